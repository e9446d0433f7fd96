// Measures how long a new file takes from GotADrop to its first frame while another video plays:
// the real main window and frame on a real display, loads cycling through the files given.
// Prints "load-to-first-frame <ms>" per load. Usage: quorvel_load_latency FILE... [--loads N]
#include "frame/WindowFrame.h"
#include "player/Form1.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/VideoSurface.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The first frame shown by the current player, polled as often as events allow.
bool waitForFirstFrame(const player::Form1& form, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (!form.ctrl || !form.ctrl->widget()) continue;
        for (const auto* surface : form.ctrl->widget()->findChildren<runtime::VideoSurface*>())
            if (surface->framesShown() > 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    runtime::prepareMpvLocale();
    QStringList files = QApplication::arguments().mid(1);
    int loads = 20;
    if (const qsizetype at = files.indexOf(QStringLiteral("--loads")); at >= 0 && at + 1 < files.size()) {
        loads = files.at(at + 1).toInt();
        files.remove(at, 2);
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: quorvel_load_latency FILE... [--loads N]\n");
        return 2;
    }

    testing::TestWorld world;
    // As the application does: the next player's libmpv is started ahead.
    world.mpvInstances.spare.prepare();
    player::Form1 form(world.services());
    frame::WindowFrame windowFrame(form, frame::FrameSeams{[] {}, [] {}, true});
    form.Form_Load();
    form.form.Show();

    form.GotADrop(files.first());
    if (!waitForFirstFrame(form, 20000)) {
        std::fprintf(stderr, "no first frame for %s\n", qUtf8Printable(files.first()));
        return 1;
    }
    int failures = 0;
    for (int i = 1; i <= loads; ++i) {
        const QString& file = files.at(i % files.size());
        // Let the playing video run a little, so each load replaces one in full flow.
        QElapsedTimer playing;
        playing.start();
        while (playing.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QElapsedTimer load;
        load.start();
        form.GotADrop(file);
        if (!waitForFirstFrame(form, 20000)) {
            std::fprintf(stderr, "no first frame for %s\n", qUtf8Printable(file));
            ++failures;
            continue;
        }
        std::printf("load-to-first-frame %lld %s\n", static_cast<long long>(load.elapsed()),
                    qUtf8Printable(file));
        std::fflush(stdout);
    }
    int cancel = 0;
    form.Form_Unload(cancel);
    return failures == 0 ? 0 : 1;
}
