#pragma once

#include <QString>

namespace about {

// "Version 1.2.0": the three numbers as plain decimals, none padded.
QString versionLabel(int major, int minor, int revision);

// The details message box text, lines separated by a carriage return alone. Its first line
// names this release in fixed text, whatever the build's version numbers are.
QString detailsMessage();

inline constexpr auto kDetailsTitle = "A propos";
inline constexpr auto kSysInfoMissing = "Information Systeme introuvable !";
inline constexpr auto kDonationPage = "/Don/Don.htm";

}  // namespace about
