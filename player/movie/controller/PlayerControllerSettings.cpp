// The controller's handling of volume, full screen, captions, links and stage resizes.
#include "player/movie/controller/PlayerController.h"

#include "player/movie/core/ConfigReader.h"
// Stage.h keeps a QPointer<QWidget>, which needs the whole class.
#include <QWidget>

#include "runtime/component/SharedObject.h"
#include "runtime/component/Stage.h"

namespace movie {

void PlayerController::setVolume(int volume) {
    volume = std::clamp(volume, 0, 100);
    if (volume == 0 && this->volume() == 0) volume = 80;
    applyVolume(volume);
    store(configkey::kVolume, volume);
}

void PlayerController::applyVolume(int volume) {
    m_config.set(configkey::kVolume, volume);
    for (MediaModel* model : m_models) model->setVolume(volume);
    Q_EMIT m_updates.volume(volume);
}

void PlayerController::toggleFullScreen() {
    runtime::Stage& stage = m_host.stage;
    if (m_config.isTrue(configkey::kUseFullScreen) && stage.canChangeDisplayState()) {
        stage.setDisplayState(stage.displayState() == runtime::DisplayState::Normal
                                  ? runtime::DisplayState::FullScreen
                                  : runtime::DisplayState::Normal);
    } else if (m_config.has(configkey::kFsButtonLink) && m_host.navigate) {
        m_host.navigate(QUrl(m_config.text(configkey::kFsButtonLink)), m_config.text(configkey::kLinkTarget));
    }
}

void PlayerController::toggleCaptions() {
    const bool shown = !m_config.isTrue(configkey::kUseCaptions);
    m_config.set(configkey::kUseCaptions, shown ? QStringLiteral("true") : QStringLiteral("false"));
    Q_EMIT m_updates.captionsChanged(shown);
    store(configkey::kUseCaptions, m_config.text(configkey::kUseCaptions));
}

void PlayerController::openLink(int index) {
    if (index < 0 || index >= m_feed.size() || !m_host.navigate) return;
    const QUrl link(m_feed.at(index).link);
    if (link.isValid() && !link.isEmpty()) m_host.navigate(link, m_config.text(configkey::kLinkTarget));
}

void PlayerController::onStageResized() {
    applyStageResize(m_config, m_host.stage.stageWidth(), m_host.stage.stageHeight());
    Q_EMIT m_updates.stageResized();
}

void PlayerController::store(const QString& key, const QVariant& value) {
    m_host.store.setValue(key, value);
    m_host.store.flush();
}

}  // namespace movie
