#include "platform/forms/Label.h"

#include "platform/forms/Container.h"
#include "platform/forms/ScreenMetrics.h"

#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>

namespace platform::forms {
namespace {

class LabelWidget : public QLabel {
public:
    using QLabel::QLabel;

    void endBefore(QWidget* sibling) {
        if (m_sibling) m_sibling->removeEventFilter(this);
        m_sibling = sibling;
        sibling->installEventFilter(this);
        fitBeforeSibling();
    }

    // Works out what is shown of the caption; the whole caption is the tooltip where it is cut
    // short, and there is none where it is all there.
    void fitBeforeSibling() {
        if (!m_sibling) return;
        // A space's width apart, as two words would be.
        const QFontMetrics metrics(font());
        const int room = m_sibling->x() - x() - metrics.horizontalAdvance(QLatin1Char(' '));
        const QString shown = metrics.elidedText(text(), Qt::ElideRight, qMax(room, 0));
        m_cut = shown == text() ? QString() : shown;
        setToolTip(m_cut.isEmpty() ? QString() : text());
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_sibling && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
            fitBeforeSibling();
        return QLabel::eventFilter(watched, event);
    }
    void moveEvent(QMoveEvent* event) override {
        QLabel::moveEvent(event);
        fitBeforeSibling();
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) fitBeforeSibling();
    }

    void paintEvent(QPaintEvent* event) override {
        if (m_cut.isEmpty()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), m_cut,
                              foregroundRole());
    }

private:
    QPointer<QWidget> m_sibling;
    QString m_cut;  // the caption as cut short, empty while it fits
};

LabelWidget* label(QWidget* w) {
    return static_cast<LabelWidget*>(w);
}

// Below every windowed sibling and in front of the labels already there.
void stackAsLabel(QWidget* widget) {
    for (QObject* sibling : widget->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(sibling);
        if (other && other != widget && !dynamic_cast<LabelWidget*>(other)) {
            widget->stackUnder(other);
            return;
        }
    }
}

}  // namespace

Label::Label(const QString& name, Container& parent)
    : Control(name, parent, new LabelWidget(parent.clientWidget())) {
    label(widget())->setAttribute(Qt::WA_TranslucentBackground);
    label(widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stackAsLabel(widget());
}

QString Label::Caption() const {
    return label(widget())->text();
}

void Label::setCaption(const QString& text) {
    label(widget())->setText(text);
    fitToText();
    label(widget())->fitBeforeSibling();
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

void Label::endBefore(const Control& sibling) {
    label(widget())->endBefore(sibling.widget());
}

void Label::fitToText() {
    if (!m_autoSize) return;
    const QSize size = label(widget())->sizeHint();
    setWidth(float(size.width()) * screen().TwipsPerPixelX());
    setHeight(float(size.height()) * screen().TwipsPerPixelY());
}

}  // namespace platform::forms
