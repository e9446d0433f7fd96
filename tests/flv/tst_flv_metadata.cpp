#include "runtime/flv/FlvMetadata.h"

#include <QFileInfo>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <limits>

using runtime::readFlvMetadata;

namespace {

// Writes AMF0 and FLV bytes for crafted inputs.
struct Amf {
    QByteArray bytes;
    Amf& u8(int v) {
        bytes.append(char(v));
        return *this;
    }
    Amf& u16(int v) { return u8(v >> 8).u8(v & 0xFF); }
    Amf& u32(quint32 v) { return u16(int(v >> 16)).u16(int(v & 0xFFFF)); }
    Amf& raw(const QByteArray& b) {
        bytes.append(b);
        return *this;
    }
    Amf& key(const QByteArray& k) { return u16(int(k.size())).raw(k); }
    Amf& rawDouble(double d) {
        quint64 bits;
        std::memcpy(&bits, &d, 8);
        for (int i = 7; i >= 0; --i) u8(int((bits >> (8 * i)) & 0xFF));
        return *this;
    }
    Amf& number(double d) { return u8(0x00).rawDouble(d); }
    Amf& string(const QByteArray& s) { return u8(0x02).key(s); }
    Amf& ecma() { return u8(0x08).u32(0); }
    Amf& object() { return u8(0x03); }
    Amf& end() { return u16(0).u8(0x09); }
    Amf& strict(const QList<double>& values) {
        u8(0x0A).u32(quint32(values.size()));
        for (double v : values) number(v);
        return *this;
    }
};

QByteArray tag(int type, const QByteArray& body) {
    Amf t;
    t.u8(type).u8(int(body.size() >> 16)).u16(int(body.size() & 0xFFFF)).u32(0).u8(0).u16(0).raw(body);
    t.u32(quint32(body.size() + 11));
    return t.bytes;
}

QByteArray flv(const QList<QByteArray>& tags) {
    Amf f;
    f.raw("FLV").u8(1).u8(5).u32(9).u32(0);
    for (const QByteArray& t : tags) f.raw(t);
    return f.bytes;
}

QByteArray onMetaData(const Amf& properties) {
    return Amf().string("onMetaData").ecma().raw(properties.bytes).end().bytes;
}

QByteArray simpleMeta(double duration, double width, double height) {
    return flv({tag(18, onMetaData(Amf()
                                       .key("duration")
                                       .number(duration)
                                       .key("width")
                                       .number(width)
                                       .key("height")
                                       .number(height)))});
}

QString media(const char* name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

class TestFlvMetadata : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void realFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("duration");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("h263") << "h263_mp3.flv" << 3.0 << 320.0 << 240.0;
        QTest::newRow("h264") << "h264_aac.flv" << 3.0 << 640.0 << 360.0;
        QTest::newRow("audio only") << "audio_only.flv" << 3.0 << 0.0 << 0.0;
        QTest::newRow("long") << "long.flv" << 30.0 << 320.0 << 240.0;
        // The metadata sits at the head, so a file cut short still has it.
        QTest::newRow("truncated") << "truncated.flv" << 3.0 << 320.0 << 240.0;
    }
    void realFiles() {
        QFETCH(QString, file);
        QFETCH(double, duration);
        QFETCH(double, width);
        QFETCH(double, height);
        const auto result = runtime::readFlvMetadataFile(media(qPrintable(file)));
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY2(std::abs(result.metadata.duration - duration) < 0.2,
                 qPrintable(QString::number(result.metadata.duration)));
        QCOMPARE(result.metadata.width, width);
        QCOMPARE(result.metadata.height, height);
    }

    void keyframeIndex() {
        const QString path = media("keyframes.flv");
        const auto result = runtime::readFlvMetadataFile(path);
        QVERIFY2(result.ok, qPrintable(result.error));
        const auto& meta = result.metadata;
        QVERIFY(meta.keyframeTimes.size() >= 4);
        QCOMPARE(meta.keyframeTimes.size(), meta.keyframePositions.size());
        QCOMPARE(meta.keyframeTimes.first(), 0.0);
        for (qsizetype i = 1; i < meta.keyframeTimes.size(); ++i) {
            QVERIFY(meta.keyframeTimes[i] > meta.keyframeTimes[i - 1]);
            QVERIFY(meta.keyframePositions[i] > meta.keyframePositions[i - 1]);
        }
        QVERIFY(meta.keyframePositions.last() < QFileInfo(path).size());
    }

    void notFlvFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("mp3") << "audio.mp3";
        QTest::newRow("zero") << "zero.flv";
        QTest::newRow("text") << "text.flv";
        QTest::newRow("missing") << "absent.flv";
    }
    void notFlvFiles() {
        QFETCH(QString, file);
        const auto result = runtime::readFlvMetadataFile(media(qPrintable(file)));
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }

    void malformed_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = simpleMeta(10, 320, 240);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("signature only") << QByteArray("FLV");
        QTest::newRow("wrong signature") << QByteArray("FLX").append(good.mid(3));
        QTest::newRow("version 2") << QByteArray(good).replace(3, 1, "\x02");
        QTest::newRow("offset below header") << QByteArray(good).replace(5, 4, QByteArray("\0\0\0\x08", 4));
        QTest::newRow("offset past data") << QByteArray(good).replace(5, 4, QByteArray("\x7f\0\0\0", 4));
        QTest::newRow("first previous size not 0")
            << QByteArray(good).replace(9, 4, QByteArray("\0\0\0\x01", 4));
        QTest::newRow("cut in the tag") << good.left(good.size() - 20);
        QTest::newRow("tag size past end") << QByteArray(good).replace(14, 3, QByteArray("\xff\xff\xff", 3));
        QTest::newRow("no script tag") << flv({tag(8, QByteArray(20, '\x2f'))});
        QByteArray badPrevious =
            flv({tag(8, QByteArray(4, 'a')), tag(18, onMetaData(Amf().key("duration").number(5)))});
        badPrevious[13 + 11 + 4 + 3] = 0x55;
        QTest::newRow("wrong previous tag size") << badPrevious;
        QTest::newRow("data not an object") << flv({tag(18, Amf().string("onMetaData").number(3).bytes)});
        QTest::newRow("name not a string") << flv({tag(18, Amf().number(1).bytes)});
        QTest::newRow("unknown marker")
            << flv({tag(18, Amf().string("onMetaData").ecma().key("x").u8(0x42).end().bytes)});
        QTest::newRow("string past end")
            << flv({tag(18, Amf().string("onMetaData").ecma().key("x").u8(2).u16(500).raw("ab").bytes)});
        QTest::newRow("long string past end") << flv(
            {tag(18, Amf().string("onMetaData").ecma().key("x").u8(0x0C).u32(0xFFFFFFF0).raw("ab").bytes)});
        QTest::newRow("huge strict array") << flv({tag(
            18, Amf().string("onMetaData").ecma().key("x").u8(0x0A).u32(0xFFFFFFFF).number(1).end().bytes)});
        QTest::newRow("object never ends")
            << flv({tag(18, Amf().string("onMetaData").ecma().key("a").number(1).bytes)});
        Amf deep;
        deep.string("onMetaData");
        for (int i = 0; i < 200; ++i) deep.object().key("k");
        deep.number(1);
        QTest::newRow("nested too deeply") << flv({tag(18, deep.bytes)});
    }
    void malformed() {
        QFETCH(QByteArray, bytes);
        const auto result = readFlvMetadata(bytes);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }

    void nonsensicalValuesAreLeftOut_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
        QTest::newRow("negative") << -4.0;
        QTest::newRow("zero") << 0.0;
    }
    void nonsensicalValuesAreLeftOut() {
        QFETCH(double, value);
        const auto result = readFlvMetadata(simpleMeta(value, value, value));
        QVERIFY(result.ok);
        QCOMPARE(result.metadata.duration, 0.0);
        QCOMPARE(result.metadata.width, 0.0);
        QCOMPARE(result.metadata.height, 0.0);
    }

    void keyframeTables_data() {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<double>>("positions");
        QTest::addColumn<bool>("kept");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("consistent") << QList<double>{0, 1, 2} << QList<double>{13, 500, 900} << true;
        QTest::newRow("lengths differ") << QList<double>{0, 1, 2} << QList<double>{13, 500} << false;
        QTest::newRow("NaN time") << QList<double>{0, nan} << QList<double>{13, 500} << false;
        QTest::newRow("negative position") << QList<double>{0, 1} << QList<double>{13, -5} << false;
        QTest::newRow("position past file size") << QList<double>{0, 1} << QList<double>{13, 5000} << false;
    }
    void keyframeTables() {
        QFETCH(QList<double>, times);
        QFETCH(QList<double>, positions);
        QFETCH(bool, kept);
        const QByteArray bytes = flv({tag(18, onMetaData(Amf()
                                                             .key("duration")
                                                             .number(2)
                                                             .key("keyframes")
                                                             .object()
                                                             .key("times")
                                                             .strict(times)
                                                             .key("filepositions")
                                                             .strict(positions)
                                                             .end()))});
        const auto result = readFlvMetadata(bytes, 1000);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.metadata.duration, 2.0);
        QCOMPARE(result.metadata.keyframeTimes, kept ? times : QList<double>());
        QCOMPARE(result.metadata.keyframePositions, kept ? positions : QList<double>());
    }

    void findsMetadataAfterOtherTags() {
        // Encrypted and other script tags before it are stepped over.
        const QByteArray other = tag(18, Amf().string("onCuePoint").ecma().end().bytes);
        const QByteArray encrypted = tag(18 | 0x20, QByteArray(16, '\x11'));
        const QByteArray meta = tag(18, onMetaData(Amf()
                                                       .key("duration")
                                                       .number(7.5)
                                                       .key("title")
                                                       .string("été")
                                                       .key("stereo")
                                                       .u8(1)
                                                       .u8(1)
                                                       .key("date")
                                                       .u8(0x0B)
                                                       .rawDouble(0)
                                                       .u16(0)
                                                       .key("nothing")
                                                       .u8(0x05)));
        const auto result = readFlvMetadata(flv({tag(9, QByteArray(30, '\x17')), other, encrypted, meta}));
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.metadata.duration, 7.5);
    }
};

QTEST_GUILESS_MAIN(TestFlvMetadata)
#include "tst_flv_metadata.moc"
