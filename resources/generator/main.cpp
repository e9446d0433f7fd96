// Draws the skin, cursors, icons and donation picture that the program embeds.
// Usage: quorvel-skingen OUTDIR SIZE...   (run under QT_QPA_PLATFORM=offscreen at build time)
// SIZE: each size of the program icon the desktop's icon theme gets.
#include "resources/generator/Cursors.h"
#include "resources/generator/DonateButton.h"
#include "resources/generator/GifWriter.h"
#include "resources/generator/IndexedImage.h"
#include "resources/generator/ProgramIcon.h"
#include "resources/generator/SkinPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

class Output {
public:
    explicit Output(const QDir& root) : m_root(root) {}

    void image(const QString& name, const QImage& picture, const char* format) {
        write(name, [&](QSaveFile& file) { return picture.save(&file, format); });
    }

    void bytes(const QString& name, const QByteArray& data) {
        write(name, [&](QSaveFile& file) { return !data.isEmpty() && file.write(data) == data.size(); });
    }

    bool ok() const { return m_ok; }

private:
    template <typename Fill>
    void write(const QString& name, Fill fill) {
        const QString path = m_root.filePath(name);
        QSaveFile file(path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
            !fill(file) || !file.commit()) {
            std::fprintf(stderr, "quorvel-skingen: cannot write %s\n", qPrintable(path));
            m_ok = false;
        }
    }

    QDir m_root;
    bool m_ok = true;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    using namespace skingen;
    Output out{QDir(QFile::decodeName(argv[1]))};

    // The strip and the buttons are 24-bit bitmaps: Qt writes every non-indexed image so.
    out.image(QStringLiteral("skin/titlestrip.bmp"), titleStrip(), "BMP");
    out.image(QStringLiteral("skin/reduire.bmp"), wordButton(QStringLiteral("Réduire"), {50, 20}), "BMP");
    out.image(QStringLiteral("skin/pleinecran.bmp"), wordButton(QStringLiteral("Plein écran"), {70, 20}),
              "BMP");
    out.image(QStringLiteral("skin/ouvrir.bmp"), wordButton(QStringLiteral("Ouvrir"), {50, 20}), "BMP");
    out.image(QStringLiteral("skin/about.bmp"), glyphButton(Glyph::Question), "BMP");
    out.image(QStringLiteral("skin/quit.bmp"), glyphButton(Glyph::Cross), "BMP");

    out.image(QStringLiteral("skin/grip.png"), gripCursor().image, "PNG");
    const CursorImage hand = handCursor();
    QImage indexedHand = quantize(hand.image, 16).toImage();
    indexedHand.setText(QStringLiteral("HotspotX"), hand.image.text(QStringLiteral("HotspotX")));
    indexedHand.setText(QStringLiteral("HotspotY"), hand.image.text(QStringLiteral("HotspotY")));
    out.image(QStringLiteral("skin/hand.png"), indexedHand, "PNG");

    out.bytes(QStringLiteral("skin/donate.gif"), encodeGif(quantize(donateButton(), 64)));

    out.image(QStringLiteral("ICON/30001.png"), quantize(programIcon(32), 256).toImage(), "PNG");
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "quorvel-skingen: %s is not an icon size\n", argv[i]);
            return 2;
        }
        out.image(QStringLiteral("ICON/hicolor/%1.png").arg(size), programIcon(size), "PNG");
    }
    return out.ok() ? 0 : 1;
}
