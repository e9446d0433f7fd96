#include "platform/forms/CheckBox.h"

#include "platform/forms/Container.h"
#include "platform/forms/Errors.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace platform::forms {
namespace {

// The user's click goes 0 -> 1 and 1 or 2 -> 0; the greyed state is reached from code only.
class VbCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    std::function<void()> toggledByUser;

protected:
    void nextCheckState() override {
        if (toggledByUser) toggledByUser();
    }
};

// The box itself, drawn the same under every style: a style paints its indicator from the
// palette, which a dark background colour turns dark, so the box vanished on the black bar.
// Everything else (text, focus mark, metrics) stays the style's.
class IndicatorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorCheckBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const bool greyed = (option->state & State_NoChange) != 0;
        const bool ticked = (option->state & State_On) != 0 || greyed;
        const int side = qMin(option->rect.width(), option->rect.height());
        QRect box(0, 0, side, side);
        box.moveCenter(option->rect.center());
        painter->save();
        painter->fillRect(box, greyed ? QColor(192, 192, 192) : QColor(Qt::white));
        painter->setPen(QColor(128, 128, 128));
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        if (ticked) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(QPen(greyed ? QColor(128, 128, 128) : QColor(Qt::black), side / 6.5,
                                 Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QRectF in = QRectF(box).adjusted(side * 0.22, side * 0.22, -side * 0.22, -side * 0.22);
            painter->drawPolyline(QPolygonF({QPointF(in.left(), in.center().y()),
                                             QPointF(in.left() + in.width() * 0.4, in.bottom()),
                                             QPointF(in.right(), in.top())}));
        }
        painter->restore();
    }
};

Qt::CheckState stateOf(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

CheckBox::CheckBox(const QString& name, Container& parent)
    : Control(name, parent, new VbCheckBox(parent.clientWidget())) {
    auto* box = static_cast<VbCheckBox*>(widget());
    box->setTristate(true);
    box->setAutoFillBackground(true);
    box->toggledByUser = [this] { userToggled(); };
    // On top of whatever style the application runs with.
    auto* style = new IndicatorStyle(QApplication::style()->name());
    style->setParent(box);
    box->setStyle(style);
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) throw PropertyError("invalid check box value");
    if (value == m_value) return;
    m_value = value;
    static_cast<QCheckBox*>(widget())->setCheckState(stateOf(value));
    performClick();
}

void CheckBox::userToggled() {
    setValue(m_value == 0 ? 1 : 0);
}

QString CheckBox::Caption() const {
    return static_cast<QCheckBox*>(widget())->text();
}

void CheckBox::setCaption(const QString& text) {
    static_cast<QCheckBox*>(widget())->setText(text);
}

void CheckBox::setColors(const QColor& fore, const QColor& back) {
    // Styles ignore the palette's text colour for check boxes; a style sheet is honoured by all.
    widget()->setStyleSheet(
        QStringLiteral("QCheckBox { color: %1; background-color: %2; }").arg(fore.name(), back.name()));
}

void CheckBox::setFont(const FontSpec& font) {
    applyFont(widget(), font);
}

}  // namespace platform::forms
