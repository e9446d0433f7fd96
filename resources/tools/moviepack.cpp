// Packs the player movie: the stage header our player runs on, plus every asset file given.
// Usage: quorvel-moviepack OUTPUT ASSET...
#include "runtime/moviefile/MovieFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT ASSET...\n", argv[0]);
        return 2;
    }
    runtime::Movie movie;
    movie.stageWidth = 320;
    movie.stageHeight = 260;
    movie.frameRate = 20;
    movie.backgroundRgb = 0xFFFFFF;
    movie.program = QStringLiteral("MediaPlayer");
    for (int i = 2; i < argc; ++i) {
        QFile in(QFile::decodeName(argv[i]));
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        movie.assets.append({QFileInfo(in.fileName()).fileName(), in.readAll()});
    }
    QSaveFile out(QFile::decodeName(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(runtime::encodeMovie(movie)) < 0 || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
