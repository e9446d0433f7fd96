#include "player/movie/core/ConfigReader.h"

#include <QSet>

namespace movie {

const QList<ConfigKey>& configKeys() {
    static const QList<ConfigKey> keys{
        {"clip", nullptr},          {"height", nullptr},
        {"width", nullptr},         {"file", "playlist.xml"},
        {"displayheight", nullptr}, {"displaywidth", nullptr},
        {"frontcolor", "0"},        {"backcolor", "16777215"},
        {"lightcolor", "0"},        {"autoscroll", "false"},
        {"largecontrols", "false"}, {"logo", nullptr},
        {"showdigits", "true"},     {"showeq", "false"},
        {"showicons", "true"},      {"thumbsinplaylist", "false"},
        {"usefullscreen", "true"},  {"fsbuttonlink", nullptr},
        {"autostart", "false"},     {"bufferlength", "5"},
        {"overstretch", "false"},   {"repeat", "false"},
        {"rotatetime", "10"},       {"shuffle", "true"},
        {"volume", "80"},           {"callback", nullptr},
        {"enablejs", "false"},      {"linkfromdisplay", "false"},
        {"linktarget", "_self"},    {"streamscript", nullptr},
        {"usecaptions", "true"},    {"usekeys", "true"},
    };
    return keys;
}

Config readConfig(const QList<QPair<QString, QString>>& rootVariables, int stageWidth, int stageHeight,
                  const StoredChoices& stored) {
    Config config;
    QSet<QString> known;
    for (const ConfigKey& key : configKeys()) {
        const QString name = QLatin1String(key.name);
        known.insert(name);
        if (key.defaultValue) config.set(name, QString::fromLatin1(key.defaultValue));
    }
    config.set(QStringLiteral("width"), stageWidth);
    config.set(QStringLiteral("height"), stageHeight);

    QSet<QString> given;
    for (const auto& [name, value] : rootVariables) {
        if (!known.contains(name)) continue;
        config.set(name, value);
        given.insert(name);
    }
    if (stored.volume.isValid() && !given.contains(QStringLiteral("volume"))) {
        bool ok = false;
        const int volume = stored.volume.toInt(&ok);
        if (ok && volume >= 0 && volume <= 100) config.set(QStringLiteral("volume"), volume);
    }
    if (stored.usecaptions.isValid() && !given.contains(QStringLiteral("usecaptions"))) {
        const QString choice = stored.usecaptions.toString();
        if (choice == QLatin1String("true") || choice == QLatin1String("false"))
            config.set(QStringLiteral("usecaptions"), choice);
    }
    deriveDisplaySize(config);
    return config;
}

void deriveDisplaySize(Config& config) {
    const double height = config.number(QStringLiteral("height"));
    if (!config.has(QStringLiteral("displayheight")))
        config.set(QStringLiteral("displayheight"), height - 20);
    else if (config.number(QStringLiteral("displayheight")) > height)
        config.set(QStringLiteral("displayheight"), height);
    if (config.isTrue(QStringLiteral("largecontrols")))
        config.set(QStringLiteral("displayheight"), config.number(QStringLiteral("displayheight")) - 20);
    if (!config.has(QStringLiteral("displaywidth")))
        config.set(QStringLiteral("displaywidth"), config.text(QStringLiteral("width")));
}

void applyStageResize(Config& config, int stageWidth, int stageHeight) {
    const double width = config.number(QStringLiteral("width"));
    const double height = config.number(QStringLiteral("height"));
    const double displayWidth = config.number(QStringLiteral("displaywidth"));
    const double displayHeight = config.number(QStringLiteral("displayheight"));

    if (displayWidth == width)
        config.set(QStringLiteral("displaywidth"), stageWidth);
    else
        config.set(QStringLiteral("displaywidth"), stageWidth - (width - displayWidth));

    // Large controls take 20 more under the display; that relation is kept like the plain bar's
    // instead of falling to the playlist rule, which would leave the display almost nothing.
    const bool large = config.isTrue(QStringLiteral("largecontrols"));
    if (displayHeight == height - 20)
        config.set(QStringLiteral("displayheight"), stageHeight - 20);
    else if (large && displayHeight == height - 40)
        config.set(QStringLiteral("displayheight"), stageHeight - 40);
    else if (displayHeight == height)
        config.set(QStringLiteral("displayheight"), stageHeight);
    else
        config.set(QStringLiteral("displayheight"), stageHeight - 250);

    config.set(QStringLiteral("width"), stageWidth);
    config.set(QStringLiteral("height"), stageHeight);
}

}  // namespace movie
