#include "player/movie/views/DisplayMessage.h"

namespace movie {

namespace {
constexpr int kGap = 8;
constexpr int kPixelSize = 14;

QString textFor(runtime::NotFound why) {
    switch (why) {
        case runtime::NotFound::Missing:
            return QStringLiteral("Fichier introuvable");
        case runtime::NotFound::Unreadable:
            return QStringLiteral("Format non reconnu");
        case runtime::NotFound::Unreachable:
            return QStringLiteral("Flux indisponible");
    }
    return QString();
}

}  // namespace

DisplayMessage::DisplayMessage(const QColor& color, QWidget* display) : QLabel(display) {
    setObjectName(QStringLiteral("message"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    QFont bold = font();
    bold.setPixelSize(kPixelSize);
    bold.setBold(true);
    setFont(bold);
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
    hide();
}

void DisplayMessage::showFor(runtime::NotFound why) {
    setText(textFor(why));
    show();
    raise();
}

void DisplayMessage::place(int iconHeight) {
    const QWidget* display = parentWidget();
    const int height = fontMetrics().height() + kGap;
    setGeometry(0, display->height() / 2 + iconHeight / 2 + kGap, display->width(), height);
    raise();
}

}  // namespace movie
