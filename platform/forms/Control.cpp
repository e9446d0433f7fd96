#include "platform/forms/Control.h"

#include "platform/forms/Container.h"
#include "platform/forms/ControlEvents.h"
#include "platform/forms/Errors.h"
#include "platform/forms/ScreenMetrics.h"

#include <QCursor>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace platform::forms {

FontSpec comicSans(double pointSize, bool bold) {
    return FontSpec{{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, pointSize, bold};
}

void applyFont(QWidget* widget, const FontSpec& spec) {
    QFont font = widget->font();
    font.setFamilies(spec.families);
    font.setPointSizeF(spec.pointSize);
    font.setBold(spec.bold);
    widget->setFont(font);
}

Control::Control(QString name, Container& parent, QWidget* widget)
    : m_name(std::move(name)),
      m_parent(&parent),
      m_widget(widget),
      m_events(std::make_unique<ControlEvents>(*this)) {
    widget->setObjectName(m_name);
    widget->setMouseTracking(true);
    widget->installEventFilter(m_events.get());
    applyGeometry();  // a new control is empty until it is given a place and a size
    widget->show();
}

Control::~Control() {
    if (m_widget) {
        m_widget->removeEventFilter(m_events.get());
        delete m_widget.data();
    }
}

const ScreenMetrics& Control::screen() const {
    return m_parent->screen();
}

int Control::toPixelsX(float twips) const {
    return int(std::lround(twips / screen().TwipsPerPixelX()));
}
int Control::toPixelsY(float twips) const {
    return int(std::lround(twips / screen().TwipsPerPixelY()));
}

void Control::applyGeometry() {
    if (!m_widget) return;
    const int origin = m_parent->clientOriginPixels();
    m_widget->setGeometry(origin + toPixelsX(m_left), origin + toPixelsY(m_top), toPixelsX(m_width),
                          toPixelsY(m_height));
    geometryChanged();
}

// Assigning a control the geometry it already has changes nothing, as with the window system's
// own controls: no repaint and no resize reaches what the control holds.
void Control::setLeft(float twips) {
    if (twips == m_left) return;
    m_left = twips;
    applyGeometry();
}

void Control::setTop(float twips) {
    if (twips == m_top) return;
    m_top = twips;
    applyGeometry();
}

void Control::setWidth(float twips) {
    if (twips < 0 || std::isnan(twips)) throw PropertyError("invalid width");
    if (twips == m_width) return;
    m_width = twips;
    applyGeometry();
}

void Control::setHeight(float twips) {
    if (twips < 0 || std::isnan(twips)) throw PropertyError("invalid height");
    if (twips == m_height) return;
    m_height = twips;
    applyGeometry();
}

void Control::Move(float left, float top, float width, float height) {
    if (width < 0 || height < 0) throw PropertyError("invalid size");
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::setVisible(bool visible) {
    m_visible = visible;
    if (m_widget) m_widget->setVisible(visible);
}

QString Control::ToolTipText() const {
    return m_widget ? m_widget->toolTip() : QString();
}

void Control::setToolTipText(const QString& text) {
    if (m_widget) m_widget->setToolTip(text);
}

void Control::setMousePointer(MousePointer pointer) {
    m_pointer = pointer;
    if (!m_widget) return;
    switch (pointer) {
        case MousePointer::Arrow:
            m_widget->setCursor(Qt::ArrowCursor);
            break;
        case MousePointer::SizeNWSE:
            m_widget->setCursor(Qt::SizeFDiagCursor);
            break;
        case MousePointer::Default:
            m_widget->unsetCursor();
            break;
        case MousePointer::Custom:
            break;  // the cursor is the one given by setMouseIcon
    }
}

void Control::setMouseIcon(const QPixmap& icon, const QPoint& hotSpot) {
    m_pointer = MousePointer::Custom;
    if (m_widget) m_widget->setCursor(QCursor(icon, hotSpot.x(), hotSpot.y()));
}

void Control::ZOrder(int position) {
    if (!m_widget) return;
    if (position == 0)
        m_widget->raise();
    else
        m_widget->lower();
}

void Control::performClick() {
    runHandler(m_name + QStringLiteral("_Click"), Click);
}

void Control::dispatchMouse(const QString& event, const std::function<void(const MouseEvent&)>& handler,
                            MouseEvent args) {
    if (!handler) return;
    runHandler(m_name + QLatin1Char('_') + event, [&] { handler(args); });
}

}  // namespace platform::forms
