#pragma once

#include <QImage>
#include <QString>

namespace skingen {

// The name the icon bears at a size: the full "Quorvel" from 48 pixels up; at 32 its seven
// letters, five pixels high, blur together, so the disc carries "Qv" instead, and below 32 "Q".
QString iconLettering(int size);

// A green disc on transparent ground with the lettering in white, size x size ARGB.
QImage programIcon(int size);

}  // namespace skingen
