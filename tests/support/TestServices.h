#pragma once

#include "platform/forms/CommonDialog.h"
#include "platform/forms/ControlFactories.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/SystemServices.h"
#include "player/Form1.h"
#include "runtime/component/ComponentEnvironment.h"
#include "runtime/mpv/MpvInstances.h"
#include "runtime/stream/Stream.h"

#include <QHash>
#include <QList>
#include <QUrl>

#include <memory>

namespace testing {

// Settings kept in memory.
class MemorySettings : public platform::SettingsStore {
public:
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& def) const override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    QHash<QString, QString> values;  // "app/section/key" -> value
    int saves = 0;
};

// Draws the numbers it is given, in order, then repeats the last.
class ScriptedRandom : public platform::RandomGenerator {
public:
    void Randomize() override {}
    float Rnd() override;
    QList<float> draws{0.5f};
    int next = 0;
};

// Answers Open dialogs from a list; records what each dialog was asked.
class ScriptedFileDialogs : public platform::forms::FileDialogs {
public:
    QString getOpenFileName(const platform::forms::OpenFileRequest& request) override;
    QStringList answers;
    QList<platform::forms::OpenFileRequest> requests;
};

// The main window's world for a test: a 1024 x 768 screen at 15 twips a pixel, the real player
// component, settings in memory, a temporary folder of the test's own.
struct TestWorld {
    explicit TestWorld(const QString& commandLine = QString());
    ~TestWorld();

    player::Form1Services services();

    // First, so that it outlives every player the world makes.
    runtime::MpvInstances mpvInstances;
    MemorySettings settings;
    ScriptedRandom random;
    platform::forms::FixedScreenMetrics screen{1024, 768};
    ScriptedFileDialogs fileDialogs;
    runtime::ComponentEnvironment component;
    // Streams over the libmpv instances above, as the application gives the player movie.
    runtime::StreamFactory streams;
    platform::forms::ControlFactories components;
    QString tempFolder;
    QString commandLine;
    QList<QUrl> openedUrls;
};

// Where make-media.sh put the test media.
QString mediaPath(const QString& name);

}  // namespace testing
