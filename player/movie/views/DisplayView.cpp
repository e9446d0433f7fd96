#include "player/movie/views/DisplayView.h"

#include "player/movie/views/DisplayClip.h"
#include "player/movie/views/DisplayMessage.h"
#include "player/movie/views/DisplayScaling.h"
#include "player/movie/views/MovieIcon.h"
#include "player/movie/views/controlbar/ConfigColor.h"
#include "runtime/component/Stage.h"

#include <QFileInfo>
#include <QUrl>

namespace movie {

namespace {
constexpr int kIconSize = 48;
}

DisplayView::DisplayView(const ViewContext& context, DisplayClip* display, const QList<QWidget*>& pictures,
                         QLabel* activity)
    : m_context(context), m_display(display), m_pictures(pictures.begin(), pictures.end()) {
    m_display->setBackground(configColor(m_context.config, configkey::kBackColor));
    m_playIcon = icon(new QLabel(m_display), QStringLiteral("playicon"), QStringLiteral("playicon.svg"));
    m_activity = icon(activity ? activity : new QLabel(m_display), QStringLiteral("activity"),
                      QStringLiteral("activity.svg"));
    m_message = new DisplayMessage(configColor(m_context.config, configkey::kFrontColor), m_display);
    m_display->released = [this] { clicked(); };

    connect(&m_context.updates, &ViewUpdates::state, this, &DisplayView::showState);
    connect(&m_context.updates, &ViewUpdates::item, this, [this](int index) {
        m_item = index;
        m_picture = QSizeF();
        m_message->hide();
        layout();
    });
    connect(&m_context.updates, &ViewUpdates::size, this, [this](double width, double height) {
        m_picture = QSizeF(width, height);
        layout();
    });
    connect(&m_context.updates, &ViewUpdates::unplayable, m_message, &DisplayMessage::showFor);
    connect(&m_context.updates, &ViewUpdates::stageResized, this, &DisplayView::layout);
    connect(&m_context.updates, &ViewUpdates::fullScreenChanged, this, &DisplayView::layout);
    placeLogo();
    layout();
}

QLabel* DisplayView::icon(QLabel* label, const QString& name, const QString& asset) {
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setPixmap(movieIcon(m_context.movie, asset, QSize(kIconSize, kIconSize),
                               configColor(m_context.config, configkey::kFrontColor)));
    label->resize(kIconSize, kIconSize);
    label->hide();
    return label;
}

QSizeF DisplayView::area() const {
    if (m_context.stage.displayState() == runtime::DisplayState::FullScreen)
        return QSizeF(m_context.stage.stageWidth(), m_context.stage.stageHeight());
    return QSizeF(m_context.config.number(configkey::kDisplayWidth),
                  m_context.config.number(configkey::kDisplayHeight));
}

void DisplayView::layout() {
    const QSizeF size = area().expandedTo(QSizeF(0, 0));
    m_display->setGeometry(0, 0, int(size.width()), int(size.height()));
    // Until the picture's size is known it fills the display.
    const QSizeF picture = m_picture.isEmpty() ? size : m_picture;
    const QRect placed = scalePicture(m_context.config.text(configkey::kOverstretch), picture, size).toRect();
    for (QWidget* clip : m_pictures)
        if (clip) clip->setGeometry(placed);
    placeIcon(m_playIcon);
    placeIcon(m_activity);
    m_message->place(kIconSize);
    if (m_logo) {
        m_logo->move(int(size.width()) - m_logo->width() - 10, 10);
        m_logo->raise();
    }
}

void DisplayView::placeIcon(QWidget* icon) {
    if (!icon) return;
    icon->move(m_display->width() / 2 - icon->width() / 2, m_display->height() / 2 - icon->height() / 2);
    icon->raise();
}

void DisplayView::showState(PlayerState state) {
    const bool icons = m_context.config.isTrue(configkey::kShowIcons);
    if (state == PlayerState::Paused) {
        m_playIcon->setVisible(icons && !m_context.config.isTrue(configkey::kLinkFromDisplay));
        m_activity->hide();
    } else if (state == PlayerState::Buffering) {
        m_playIcon->hide();
        m_activity->setVisible(icons);
    } else if (state == PlayerState::Playing) {
        m_playIcon->hide();
        m_activity->hide();
    }
}

void DisplayView::placeLogo() {
    if (!m_context.config.has(configkey::kLogo)) return;
    const QUrl url =
        QUrl::fromUserInput(m_context.config.text(configkey::kLogo), QString(), QUrl::AssumeLocalFile);
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) return;
    const QPixmap picture(url.toLocalFile());
    if (picture.isNull()) return;
    m_logo = new QLabel(m_display);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_logo->setPixmap(picture);
    m_logo->resize(picture.size());
    m_logo->show();
}

void DisplayView::clicked() {
    if (m_context.config.isTrue(configkey::kLinkFromDisplay))
        m_context.requests.send(Request::GetLink, m_item);
    else
        m_context.requests.send(Request::PlayPause);
}

}  // namespace movie
