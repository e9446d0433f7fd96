// Damaged files, odd files and odd names loaded end to end through GotADrop on the real window:
// each must end with the player at rest ("- En pause": played as far as the data goes, or given
// up), no crash, no hang, and the window still playing the next good file.
#include "badinput/FlvCrafting.h"
#include "badinput/PlayingWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace badinput;

namespace {

enum class Frames { Some, None, Either };

const QString kPaused = QStringLiteral("- En pause");
const QString kPlaying = QStringLiteral("- Lecture");
constexpr int kWait = 30000;

QByteArray readMedia(const QString& name) {
    QFile file(testing::mediaPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The base clip with its script tag replaced by an onMetaData holding entries, count as given.
QByteArray withMetadata(const FlvFile& base, const QList<QPair<QByteArray, QByteArray>>& entries,
                        std::optional<quint32> count = {}) {
    FlvFile file = base;
    if (!file.tags.isEmpty() && file.tags.first().type == 18) file.tags.removeFirst();
    FlvTag script;
    script.type = 18;
    script.body = onMetaData(amf::ecmaArray(entries, count.value_or(quint32(entries.size()))));
    file.tags.prepend(script);
    return writeFlv(file);
}

QByteArray onlyTags(FlvFile file, quint8 type) {
    file.tags.removeIf([type](const FlvTag& tag) { return tag.type != type; });
    return writeFlv(file);
}

QList<QPair<QByteArray, QByteArray>> picture(double duration) {
    return {{"duration", amf::number(duration)}, {"width", amf::number(320)}, {"height", amf::number(240)}};
}

}  // namespace

class BadInput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FlvFile m_base;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void addColumns() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Frames>("frames");
    }

    // Loads path, waits for the player to come to rest, then proves the window still plays.
    void loadEndsAtRest() {
        QFETCH(QString, path);
        QFETCH(Frames, frames);
        PlayingWindow window;
        window.form.GotADrop(path);
        if (frames == Frames::Some) QTRY_VERIFY_WITH_TIMEOUT(window.framesShown() > 0, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(window.status(), kPaused, kWait);
        if (frames == Frames::None) QCOMPARE(window.framesShown(), 0);
        QCOMPARE(window.form.currentflv, path);
        QCOMPARE(window.form.form.Caption(), QStringLiteral("Quorvel : ") + path);

        window.form.GotADrop(testing::mediaPath(QStringLiteral("long.flv")));
        QTRY_COMPARE_WITH_TIMEOUT(window.status(), kPlaying, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(window.framesShown() > 0, kWait);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const std::optional<FlvFile> base = parseFlv(readMedia(QStringLiteral("short.flv")));
        QVERIFY(base && base->tags.size() > 10);
        m_base = *base;
    }

    void damagedContainer_data() {
        addColumns();
        const QByteArray clip = writeFlv(m_base);
        QByteArray belowNine = clip, pastEnd = clip;
        belowNine[8] = 3;
        pastEnd[5] = pastEnd[6] = pastEnd[7] = pastEnd[8] = char(0xF0);

        // A tag half way through claims 16 MB; everything after it is unreachable.
        FlvFile huge = m_base;
        const qsizetype middle = huge.tags.size() / 2;
        QByteArray hugeBytes = writeFlv(FlvFile{huge.header, huge.tags.mid(0, middle)});
        hugeBytes += tagBytes(huge.tags[middle], 0xFFFFFF, 0);
        for (const FlvTag& tag : huge.tags.mid(middle + 1))
            hugeBytes += tagBytes(tag, quint32(tag.body.size()), 0);

        FlvFile backwards = m_base;
        const quint32 last = backwards.tags.last().timestamp;
        for (FlvTag& tag : backwards.tags) tag.timestamp = last - tag.timestamp;

        FlvFile unknown = m_base;
        for (FlvTag& tag : unknown.tags) {
            if (tag.type == 9 && !tag.body.isEmpty()) tag.body[0] = char((tag.body[0] & 0xF0) | 0x0F);
            if (tag.type == 8 && !tag.body.isEmpty()) tag.body[0] = char((tag.body[0] & 0x0F) | 0x90);
        }
        FlvFile giant = m_base;
        declarePictureSize(giant, 16384, 16384);
        const QList<QPair<QByteArray, QByteArray>> giantMeta = {{"width", amf::number(16384)},
                                                                {"height", amf::number(16384)}};

        QTest::newRow("zero bytes") << write("zero.flv", {}) << Frames::None;
        QTest::newRow("header alone") << write("header.flv", clip.left(9)) << Frames::None;
        QTest::newRow("truncated mid-tag")
            << write("cut.flv", clip.left(clip.size() / 2 + 7)) << Frames::Some;
        QTest::newRow("data offset below 9") << write("offset3.flv", belowNine) << Frames::Either;
        QTest::newRow("data offset past the end") << write("offsetfar.flv", pastEnd) << Frames::Either;
        QTest::newRow("tag size 0xFFFFFF") << write("hugetag.flv", hugeBytes) << Frames::Some;
        // libavformat checks the sizes while it probes and gives such a file up.
        QTest::newRow("wrong previous-tag sizes")
            << write("prev.flv", writeFlv(m_base, 0x12345678u)) << Frames::Either;
        QTest::newRow("timestamps backwards")
            << write("backwards.flv", writeFlv(backwards)) << Frames::Either;
        QTest::newRow("audio only") << write("audio.flv", onlyTags(m_base, 8)) << Frames::None;
        QTest::newRow("video only") << write("video.flv", onlyTags(m_base, 9)) << Frames::Some;
        QTest::newRow("script tags only") << write("script.flv", onlyTags(m_base, 18)) << Frames::None;
        QTest::newRow("unknown codecs") << write("unknown.flv", writeFlv(unknown)) << Frames::None;
        QTest::newRow("16384 x 16384 pictures")
            << write("giant.flv", withMetadata(giant, giantMeta)) << Frames::Either;
        QTest::newRow("MP3 named .flv")
            << write("song.flv", readMedia(QStringLiteral("audio.mp3"))) << Frames::None;
        QTest::newRow("text named .flv") << write("text.flv", "ceci n'est pas une vidéo\n") << Frames::None;
    }
    void damagedContainer() { loadEndsAtRest(); }

    void damagedMetadata_data() {
        addColumns();
        const double inf = std::numeric_limits<double>::infinity();
        const QList<double> times = {0, 0.4, 0.8};
        QTest::newRow("duration NaN")
            << write("nan.flv", withMetadata(m_base, picture(std::nan("")))) << Frames::Some;
        QTest::newRow("duration infinite")
            << write("inf.flv", withMetadata(m_base, picture(inf))) << Frames::Some;
        QTest::newRow("duration negative")
            << write("neg.flv", withMetadata(m_base, picture(-5))) << Frames::Some;
        QTest::newRow("duration 1e308")
            << write("big.flv", withMetadata(m_base, picture(1e308))) << Frames::Some;
        QTest::newRow("ECMA count 0xFFFFFFFF, 2 entries")
            << write("count.flv", withMetadata(m_base, picture(1).mid(0, 2), 0xFFFFFFFFu)) << Frames::Some;
        QTest::newRow("AMF nested 4000 deep")
            << write("deep.flv",
                     withMetadata(m_base, {{"deep", amf::nestedObjects(4000)}, {"duration", amf::number(1)}}))
            << Frames::Some;

        // A string whose length runs past the script tag and past the file's first kilobytes.
        FlvFile pastEnd = m_base;
        pastEnd.tags.first().body =
            amf::string("onMetaData") + QByteArray("\x08\x00\x00\x00\x01\x00\x08duration\x02\xFF\xFF", 18);
        QTest::newRow("string past the end") << write("strend.flv", writeFlv(pastEnd)) << Frames::Some;
        FlvFile longString = m_base;
        longString.tags.first().body = amf::string("onMetaData") + QByteArray("\x0C\xFF\xFF\xFF\xF0xyz", 8);
        QTest::newRow("long string past the end") << write("lstr.flv", writeFlv(longString)) << Frames::Some;

        const auto keyframes = [&](const QList<double>& t, const QList<double>& p) {
            return withMetadata(m_base,
                                {{"duration", amf::number(1)},
                                 {"keyframes", amf::object({{"times", amf::strictArray(t)},
                                                            {"filepositions", amf::strictArray(p)}})}});
        };
        QTest::newRow("keyframe arrays of different lengths")
            << write("kflen.flv", keyframes(times, {13})) << Frames::Some;
        QTest::newRow("keyframes outside the file")
            << write("kfout.flv", keyframes(times, {1e12, -5, std::nan("")})) << Frames::Some;
        QTest::newRow("keyframe times not numbers")
            << write("kfnan.flv", keyframes({std::nan(""), -inf, inf}, {13, 200, 400})) << Frames::Some;
    }
    void damagedMetadata() { loadEndsAtRest(); }

    void unusualPaths_data() {
        addColumns();
        const QByteArray clip = readMedia(QStringLiteral("short.flv"));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.flv")));
        const QString fifo = m_dir.filePath(QStringLiteral("fifo.flv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // Tests run as root, which reads the file anyway; for anyone else it cannot be opened.
        const QString locked = write("locked.flv", clip);
        QVERIFY(QFile::setPermissions(locked, {}));
        const QString loop = m_dir.filePath(QStringLiteral("loop.flv"));
        QVERIFY(QFile::link(loop, loop));

        // Over 4,000 characters: folders of 200 characters each (a name may hold 255 bytes).
        QString deep = m_dir.path();
        while (deep.size() < 4000) deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(deep));
        const QString longName = deep + QStringLiteral("/clip.flv");
        QFile::copy(testing::mediaPath(QStringLiteral("short.flv")), longName);

        // Bytes that are not UTF-8 cannot all be carried in a name, and the load must not care.
        const QByteArray rawName = QFile::encodeName(m_dir.path()) + "/caf\xE9\xFF.flv";
        const int fd = ::open(rawName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0 && ::write(fd, clip.constData(), size_t(clip.size())) == clip.size());
        ::close(fd);

        QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("absent.flv")) << Frames::None;
        QTest::newRow("no permission") << locked << Frames::Either;
        QTest::newRow("folder named .flv") << m_dir.filePath(QStringLiteral("folder.flv")) << Frames::None;
        QTest::newRow("FIFO") << fifo << Frames::None;
        QTest::newRow("symbolic link loop") << loop << Frames::None;
        QTest::newRow("newline in the name") << write("new\nline.flv", clip) << Frames::Some;
        QTest::newRow("leading dash") << write("-v --fs.flv", clip) << Frames::Some;
        QTest::newRow("hash") << write("#1 #top.flv", clip) << Frames::Some;
        QTest::newRow("percent") << write("100%25 %zz%.flv", clip) << Frames::Some;
        QTest::newRow("quotes") << write("l'\"clip\".flv", clip) << Frames::Some;
        QTest::newRow("not UTF-8") << QFile::decodeName(rawName) << Frames::Either;
        QTest::newRow("over 4000 characters") << longName << Frames::Either;
    }
    void unusualPaths() { loadEndsAtRest(); }
};

QTEST_MAIN(BadInput)
#include "tst_bad_input.moc"
