#include "platform/forms/Label.h"

#include "platform/forms/Container.h"
#include "platform/forms/ScreenMetrics.h"

#include <QLabel>

namespace platform::forms {
namespace {
QLabel* label(QWidget* w) {
    return static_cast<QLabel*>(w);
}
}  // namespace

Label::Label(const QString& name, Container& parent)
    : Control(name, parent, new QLabel(parent.clientWidget())) {
    label(widget())->setAttribute(Qt::WA_TranslucentBackground);
    label(widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget()->lower();
}

QString Label::Caption() const {
    return label(widget())->text();
}

void Label::setCaption(const QString& text) {
    label(widget())->setText(text);
    fitToText();
}

void Label::setForeColor(const QColor& color) {
    QPalette pal = widget()->palette();
    pal.setColor(QPalette::WindowText, color);
    widget()->setPalette(pal);
}

void Label::setFont(const FontSpec& font) {
    applyFont(widget(), font);
    fitToText();
}

void Label::setAlignment(Qt::Alignment alignment) {
    label(widget())->setAlignment(alignment | Qt::AlignTop);
}

void Label::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    fitToText();
}

void Label::fitToText() {
    if (!m_autoSize) return;
    const QSize size = label(widget())->sizeHint();
    setWidth(float(size.width()) * screen().TwipsPerPixelX());
    setHeight(float(size.height()) * screen().TwipsPerPixelY());
}

}  // namespace platform::forms
