#include "support/TestServices.h"

#include "player/movie/MediaPlayer.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/stream/MpvStream.h"

#include <QDir>
#include <QStandardPaths>

namespace testing {

QString MemorySettings::GetSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& def) const {
    return values.value(app + QLatin1Char('/') + section + QLatin1Char('/') + key, def);
}

void MemorySettings::SaveSetting(const QString& app, const QString& section, const QString& key,
                                 const QString& value) {
    values.insert(app + QLatin1Char('/') + section + QLatin1Char('/') + key, value);
    ++saves;
}

float ScriptedRandom::Rnd() {
    const float value = draws.at(std::min<qsizetype>(next, draws.size() - 1));
    ++next;
    return value;
}

QString ScriptedFileDialogs::getOpenFileName(const platform::forms::OpenFileRequest& request) {
    requests.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

TestWorld::TestWorld(const QString& line) : commandLine(line) {
    tempFolder = QDir::tempPath() + QStringLiteral("/world/");
    QDir().mkpath(tempFolder);
    component.sharedObjectFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/so");
    component.openUrl = [this](const QUrl& url) { openedUrls.append(url); };
    streams = [this] { return std::make_unique<runtime::MpvStream>(mpvInstances); };
    movie::registerMediaPlayer(component, streams);
    runtime::registerPlayerComponent(components, component);
}

TestWorld::~TestWorld() {
    QDir(tempFolder).removeRecursively();
}

player::Form1Services TestWorld::services() {
    return player::Form1Services{settings,
                                 random,
                                 screen,
                                 components,
                                 fileDialogs,
                                 [this] { return tempFolder; },
                                 &platform::LoadResData,
                                 commandLine};
}

QString mediaPath(const QString& name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + name;
}

}  // namespace testing
