#pragma once

#include <QString>

#include <functional>
#include <optional>

class QByteArray;

namespace platform {
class RandomGenerator;
class SettingsStore;
namespace forms {
class ControlFactories;
class FileDialogs;
class ScreenMetrics;
}  // namespace forms
}  // namespace platform

namespace player {

// Everything outside the process that the main window uses, given by the application.
struct Form1Services {
    platform::SettingsStore& settings;
    platform::RandomGenerator& random;
    const platform::forms::ScreenMetrics& screen;
    const platform::forms::ControlFactories& components;
    platform::forms::FileDialogs& fileDialogs;
    std::function<QString()> tempPath;
    std::function<std::optional<QByteArray>(int id, const QString& type)> loadResource;
    QString commandLine;  // the argument text after the program's name
};

}  // namespace player
