#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace runtime {

enum class DisplayState { Normal, FullScreen };

// The movie's stage: its size follows the control's, unscaled. The movie's clips are widgets
// under root(). Frame ticks run at the movie's frame rate only while someone listens.
class Stage : public QObject {
    Q_OBJECT
public:
    Stage(QWidget* root, double frameRate);
    ~Stage() override;

    int stageWidth() const;
    int stageHeight() const;
    QWidget* root() const { return m_root; }

    QString scaleMode() const { return m_scaleMode; }
    void setScaleMode(const QString& mode) { m_scaleMode = mode; }
    QString align() const { return m_align; }
    void setAlign(const QString& align) { m_align = align; }

    DisplayState displayState() const { return m_state; }
    // Full screen shows the stage alone over the whole screen; Escape leaves it.
    void setDisplayState(DisplayState state);
    bool canChangeDisplayState() const { return true; }

    // Called by the component when the control's size changes.
    void controlResized();
    // Called by the component for the keys the stage receives (component key codes).
    void keyPressed(int keyCode);

Q_SIGNALS:
    void resized();
    void displayStateChanged(runtime::DisplayState state);
    void enterFrame();
    void keyDown(int keyCode);

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateTicker();

    QPointer<QWidget> m_root;
    QWidget* m_home = nullptr;  // the control's widget the root lives in when not full screen
    std::unique_ptr<QWidget> m_fullScreenWindow;
    QTimer m_ticker;
    QString m_scaleMode = QStringLiteral("showAll");
    QString m_align;
    DisplayState m_state = DisplayState::Normal;
};

// Component key codes for the keys the movies use.
int componentKeyCode(int qtKey);

}  // namespace runtime
