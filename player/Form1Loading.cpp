#include "player/Form1.h"

#include "platform/forms/ScreenMetrics.h"
#include "platform/services/SystemServices.h"
#include "platform/url/UrlQuery.h"
#include "player/MovieExtraction.h"
#include "player/WindowFigures.h"

#include <stdexcept>

namespace player {

void Form1::GotADrop(const QString& flvfile) {
    currentflv = flvfile;
    // Our movie path has no backslashes to turn; the file's path is escaped instead, so that
    // the movie receives exactly the path it was given.
    const QString url = QString(swffile).replace(QLatin1Char('\\'), QLatin1Char('/')) +
                        QStringLiteral("?file=") + platform::escapeQueryValue(currentflv);
    form.RemoveControl(kPlayerControlName);
    ctrl = nullptr;
    createPlayer();
    auto& player = playerControl();
    player.setVisible(true);
    player.setProperty(QStringLiteral("BackgroundColor"), 0);
    player.setTop(figures::kTopBand);
    player.setProperty(QStringLiteral("FlashVars"), QStringLiteral("autostart=true"));
    player.invoke(QStringLiteral("LoadMovie"), {0, url});
    const float height = form.Height() - Picture3.Height();
    const float width = form.Width();
    player.setHeight(height);
    player.setWidth(width);
    fullscreen.setVisible(true);
    form.setWidth(figures::kStageWidthPixels * m_services.screen.TwipsPerPixelX());
    form.setHeight(figures::kLoadedPlayerHeightPixels * m_services.screen.TwipsPerPixelY() +
                   figures::kTopBand + Picture3.Height());
    dragpic.setVisible(false);
    resizepic.setVisible(true);
    LabelTitre.setCaption(QStringLiteral("Quorvel : ") + currentflv);
    form.setCaption(LabelTitre.Caption());
    if (FileLoaded) FileLoaded();
}

void Form1::extractress(int ress, const QString& nom_fich) {
    const std::optional<QByteArray> bytes = m_services.loadResource(ress, QStringLiteral("CUSTOM"));
    if (!bytes) throw std::runtime_error("resource not found");
    writeNewPrivateFile(nom_fich, *bytes);
}

void Form1::drawMovieFileName() {
    // The movie goes into the shared temporary folder under a random number. The file is created
    // new and private; on a clash with anything already there another number is drawn.
    constexpr int kDraws = 64;
    const QString folder = m_services.tempPath();
    m_services.random.Randomize();
    for (int draw = 0; draw < kDraws; ++draw) {
        const int number = int(100000 * m_services.random.Rnd()) + 187;
        const QString candidate = folder + QString::number(number);
        try {
            extractress(101, candidate);
            swffile = candidate;
            return;
        } catch (const FileExistsError&) {
            continue;
        }
    }
    throw std::runtime_error("no free name for the player movie");
}

}  // namespace player
