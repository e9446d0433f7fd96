#pragma once

#include "platform/forms/Container.h"
#include "platform/forms/Control.h"
#include "platform/forms/Timer.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>

class QEventLoop;

#include <memory>
#include <vector>

namespace platform::forms {

class ControlFactories;
class ExtenderControl;
class ScreenMetrics;

enum class FormKind { Borderless, FixedDialog };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A window and the controls it owns. Geometry is in twips; a borderless form's outer size is
// its client size. A size change made by code raises Resize at once, so layout passes nest
// inside the code that changed the size, as the classic toolkit does.
class Form : public Container {
public:
    Form(const QString& name, FormKind kind, const ScreenMetrics& screen,
         const ControlFactories* factories = nullptr);
    ~Form() override;

    template <class T>
    T& add(const QString& name, Container& parent) {
        auto control = std::make_unique<T>(name, parent);
        T& ref = *control;
        m_controls.push_back(std::move(control));
        return ref;
    }
    template <class T>
    T& add(const QString& name) {
        return add<T>(name, *this);
    }
    Timer& addTimer(const QString& name);

    // The run-time Controls collection: add by ProgID, remove by name.
    ExtenderControl& AddControl(const QString& progId, const QString& name);
    void RemoveControl(const QString& name);  // throws when no control has the name
    Control* findControl(const QString& name) const;

    QString Caption() const;
    void setCaption(const QString& caption);
    QColor BackColor() const { return m_back; }
    void setBackColor(const QColor& color);
    void setIcon(const QImage& icon);

    float Left() const;
    float Top() const;
    void setLeft(float twips);
    void setTop(float twips);
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    // A negative size is refused with PropertyError.
    void setWidth(float twips);
    void setHeight(float twips);
    float ScaleWidth() const { return m_width; }
    float ScaleHeight() const { return m_height; }
    WindowState windowState() const;

    void Show();
    // Shows the form, out of the task bar if minimized, in front and with the input focus, as far
    // as the window system lets a program take it.
    void Activate();
    // Shows the form modal over the application and returns once it is unloaded. Given an owner,
    // the form is the owner's transient: the window system keeps it over the owner, and
    // minimises and raises the two together.
    void ShowModal(const Form* owner = nullptr);
    // Raises the unload handler (it may cancel), then hides the form.
    void Unload();
    bool isShown() const;

    // Starts the window system's own move of the window while a button is held.
    bool StartSystemMove();
    // Asks the window system to show the window over the whole screen, or not. Meanwhile sizes
    // set by code are the form's alone (resizing the window would end its full screen); leaving
    // gives the window the form's Width and Height. A late report of the state left behind is
    // answered by asking again.
    void setWindowSystemFullScreen(bool fullScreen);

    std::function<void()> Resize;
    std::function<void(int& cancel)> UnloadHandler;

    QWidget* widget() const { return m_widget; }
    QWidget* clientWidget() const override { return m_widget; }
    int clientOriginPixels() const override { return 0; }
    const ScreenMetrics& screen() const override { return m_screen; }

private:
    friend class FormWidget;
    void windowSystemResized(int widthPixels, int heightPixels);
    void windowSystemStateChanged();
    bool stateLeftBehind() const;
    bool stateJustRequested() const;
    bool fullScreenJustLeft() const;
    QSize pixelSize() const;
    void applyWindowSystemFullScreen();
    bool closeRequested();
    bool keyPressed(int key);
    void raiseResize();

    void fixSizeIfDialog();

    QString m_name;
    FormKind m_kind;
    const ScreenMetrics& m_screen;
    const ControlFactories* m_factories;
    QPointer<QWidget> m_widget;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    QColor m_back;
    float m_width = 0;
    float m_height = 0;
    QEventLoop* m_modalLoop = nullptr;
    bool m_wantFullScreen = false;
    QElapsedTimer m_stateRequested;
    int m_stateCorrections = 0;
};

}  // namespace platform::forms
