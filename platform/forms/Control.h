#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QWidget;
class QPixmap;
class QPoint;

namespace platform::forms {

class Container;
class ScreenMetrics;

// Mouse event arguments as the classic toolkit gives them: button 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt; position in twips from the control's client area.
struct MouseEvent {
    int Button = 0;
    int Shift = 0;
    float X = 0;
    float Y = 0;
};

enum class MousePointer { Default = 0, Arrow = 1, SizeNWSE = 8, Custom = 99 };

struct FontSpec {
    QStringList families;  // first available wins
    double pointSize = 8.25;
    bool bold = false;
};

// The families asked for by name, with the free look-alike installed by our package list.
FontSpec comicSans(double pointSize, bool bold);

// A control on a form: geometry in twips relative to its container's client area, VB-style
// events, visibility, tooltip and pointer. Widgets stay inside the forms layer.
class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return m_name; }
    Container* Parent() const { return m_parent; }

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float twips);
    void setTop(float twips);
    // A negative size is refused with PropertyError.
    void setWidth(float twips);
    void setHeight(float twips);
    void Move(float left, float top, float width, float height);

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    MousePointer mousePointer() const { return m_pointer; }
    void setMousePointer(MousePointer pointer);
    void setMouseIcon(const QPixmap& icon, const QPoint& hotSpot);
    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void ZOrder(int position = 0);

    // Raises Click as a user's click would.
    void performClick();

    std::function<void()> Click;
    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseMove;
    std::function<void(const MouseEvent&)> MouseUp;

    QWidget* widget() const { return m_widget; }
    const ScreenMetrics& screen() const;

protected:
    Control(QString name, Container& parent, QWidget* widget);
    // Where the control's own client area starts inside its widget (its border), in pixels.
    virtual int borderPixels() const { return 0; }
    // Buttons and check boxes raise Click from their own widget (mouse or keyboard).
    virtual bool clicksOnRelease() const { return true; }
    virtual void geometryChanged() {}
    void applyGeometry();
    int toPixelsX(float twips) const;
    int toPixelsY(float twips) const;

private:
    friend class ControlEvents;
    void dispatchMouse(const QString& event, const std::function<void(const MouseEvent&)>& handler,
                       MouseEvent args);

    QString m_name;
    Container* m_parent;
    QPointer<QWidget> m_widget;
    std::unique_ptr<class ControlEvents> m_events;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    MousePointer m_pointer = MousePointer::Default;
};

// Applies a font spec to a widget.
void applyFont(QWidget* widget, const FontSpec& font);

}  // namespace platform::forms
