// Many loads in a row on the real window, good and bad files alternating, the window resized
// between them and the size guard ticking: every load must reach its own outcome, and threads,
// open files and memory must come back to where they were. QUORVEL_SOAK_LOADS sets the count
// (40 by default; the benchmark runs 1,000 and reads the "soak:" lines this prints).
#include "badinput/PlayingWindow.h"
#include "runtime/mpv/MallocArenas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <malloc.h>
#include <cstdio>

namespace {

const QString kPaused = QStringLiteral("- En pause");
const QString kPlaying = QStringLiteral("- Lecture");
constexpr int kWait = 30000;

struct Usage {
    qint64 rssKb = 0;
    qint64 anonKb = 0;
    qint64 threads = 0;
    qint64 fds = 0;
};

// What the process holds: free pages the allocator keeps are given back first, so that only a
// leak, not where the last frees happened to fall, shows as growth.
Usage usage() {
    malloc_trim(0);
    Usage u;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) u.rssKb = line.mid(6).trimmed().split(' ').first().toLongLong();
            if (line.startsWith("RssAnon:")) u.anonKb = line.mid(8).trimmed().split(' ').first().toLongLong();
        }
    }
    u.threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    u.fds = QDir(QStringLiteral("/proc/self/fd"))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                .size();
    return u;
}

}  // namespace

class Soak : public QObject {
    Q_OBJECT

    QStringList m_good;
    QStringList m_bad;

    // One load: a good file must play (status "- Lecture" and frames shown), a bad one must come
    // to rest ("- En pause"); the previous load always ended in the other text.
    void load(badinput::PlayingWindow& window, int i) {
        const bool good = i % 2 == 0;
        const QStringList& files = good ? m_good : m_bad;
        window.form.GotADrop(files.at((i / 2) % files.size()));
        // Below, at and above the minimum size: the guard must bring the window back each time.
        static const float widths[] = {3000, 4800, 9000, 6000};
        static const float heights[] = {2500, 7000, 5010};
        window.form.form.setWidth(widths[i % 4]);
        window.form.form.setHeight(heights[i % 3]);
        const frame::Layout& layout = window.windowFrame.layout();
        QTRY_VERIFY_WITH_TIMEOUT(window.form.form.Width() >= layout.minimumWidth() &&
                                     window.form.form.Height() >= layout.minimumHeight(),
                                 kWait);
        if (good) {
            QTRY_COMPARE_WITH_TIMEOUT(window.status(), kPlaying, kWait);
            QTRY_VERIFY_WITH_TIMEOUT(window.framesShown() > 0, kWait);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(window.status(), kPaused, kWait);
        }
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"h264_aac.flv", "long.flv", "h263_mp3.flv"})
            m_good << testing::mediaPath(QLatin1String(name));
        const QString scratch = QDir::tempPath() + QStringLiteral("/soak");
        QVERIFY(QDir().mkpath(scratch + QStringLiteral("/folder.flv")));
        for (const char* name : {"zero.flv", "text.flv"}) m_bad << testing::mediaPath(QLatin1String(name));
        m_bad << scratch + QStringLiteral("/absent.flv") << scratch + QStringLiteral("/folder.flv");
    }

    void alternatingLoads() {
        const int loads = qEnvironmentVariableIntValue("QUORVEL_SOAK_LOADS") > 0
                              ? qEnvironmentVariableIntValue("QUORVEL_SOAK_LOADS")
                              : 40;
        badinput::PlayingWindow window;
        // The first loads fill caches and start the libraries' own threads once. Both counts are
        // taken at rest: a bad file refused and every replaced player's teardown over, so each holds
        // one idle player and whatever the loads before it left behind.
        constexpr int kWarmUp = 6;
        for (int i = 0; i < kWarmUp; ++i) {
            load(window, i);
            if (QTest::currentTestFailed()) return;
        }
        window.world.mpvInstances.teardowns.waitAll();
        const Usage before = usage();
        const int end = kWarmUp + loads + loads % 2;
        for (int i = kWarmUp; i < end; ++i) {
            load(window, i);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("load %1 did not finish").arg(i)));
        }
        window.world.mpvInstances.teardowns.waitAll();
        const Usage after = usage();
        std::printf("soak: rss before %lld after %lld\n", before.rssKb, after.rssKb);
        std::printf("soak: anonymous before %lld after %lld\n", before.anonKb, after.anonKb);
        std::printf("soak: threads before %lld after %lld\n", before.threads, after.threads);
        std::printf("soak: fds before %lld after %lld\n", before.fds, after.fds);
        std::fflush(stdout);
        // libmpv's worker threads end a while after their last task.
        QTRY_VERIFY_WITH_TIMEOUT(usage().threads <= before.threads, kWait);
        QCOMPARE(after.fds, before.fds);
        // Over enough loads a leak stands out from the allocator's noise.
        if (loads >= 200) QVERIFY2(after.rssKb - before.rssKb < 10 * 1024, "memory grew by 10 MB or more");
    }
};

int main(int argc, char** argv) {
    // As the application does, before any thread starts.
    runtime::limitMallocArenas();
    QApplication app(argc, argv);
    Soak soak;
    return QTest::qExec(&soak, argc, argv);
}
#include "tst_soak.moc"
