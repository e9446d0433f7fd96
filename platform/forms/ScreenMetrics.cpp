#include "platform/forms/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform::forms {
namespace {

// Whole twips per pixel, as the classic toolkit reports them (15 at 96 dpi).
float twipsPerPixel(qreal dpi) {
    if (dpi <= 0) return 15.0f;
    return float(qRound(1440.0 / dpi));
}

}  // namespace

float PrimaryScreenMetrics::TwipsPerPixelX() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : 15.0f;
}
float PrimaryScreenMetrics::TwipsPerPixelY() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : 15.0f;
}
float PrimaryScreenMetrics::Width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? float(s->geometry().width()) * TwipsPerPixelX() : 0.0f;
}
float PrimaryScreenMetrics::Height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? float(s->geometry().height()) * TwipsPerPixelY() : 0.0f;
}

}  // namespace platform::forms
