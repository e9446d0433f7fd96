#include "player/movie/core/ConfigReader.h"

#include "player/movie/core/ControlbarHeight.h"

#include <QSet>

namespace movie {

const QList<ConfigKey>& configKeys() {
    static const QList<ConfigKey> keys{
        {configkey::kClip, nullptr},          {configkey::kHeight, nullptr},
        {configkey::kWidth, nullptr},         {configkey::kFile, "playlist.xml"},
        {configkey::kDisplayHeight, nullptr}, {configkey::kDisplayWidth, nullptr},
        {configkey::kFrontColor, "0"},        {configkey::kBackColor, "16777215"},
        {configkey::kLightColor, "0"},        {configkey::kAutoScroll, "false"},
        {configkey::kLargeControls, "false"}, {configkey::kLogo, nullptr},
        {configkey::kShowDigits, "true"},     {configkey::kShowEq, "false"},
        {configkey::kShowIcons, "true"},      {configkey::kThumbsInPlaylist, "false"},
        {configkey::kUseFullScreen, "true"},  {configkey::kFsButtonLink, nullptr},
        {configkey::kAutoStart, "false"},     {configkey::kBufferLength, "5"},
        {configkey::kOverstretch, "false"},   {configkey::kRepeat, "false"},
        {configkey::kRotateTime, "10"},       {configkey::kShuffle, "true"},
        {configkey::kVolume, "80"},           {configkey::kCallback, nullptr},
        {configkey::kEnableJs, "false"},      {configkey::kLinkFromDisplay, "false"},
        {configkey::kLinkTarget, "_self"},    {configkey::kStreamScript, nullptr},
        {configkey::kUseCaptions, "true"},    {configkey::kUseKeys, "true"},
    };
    return keys;
}

Config readConfig(const QList<QPair<QString, QString>>& rootVariables, int stageWidth, int stageHeight,
                  const StoredChoices& stored) {
    Config config;
    QSet<QString> known;
    for (const ConfigKey& key : configKeys()) {
        known.insert(key.name);
        if (key.defaultValue) config.set(key.name, QString::fromLatin1(key.defaultValue));
    }
    config.set(configkey::kWidth, stageWidth);
    config.set(configkey::kHeight, stageHeight);

    QSet<QString> given;
    for (const auto& [name, value] : rootVariables) {
        if (!known.contains(name)) continue;
        config.set(name, value);
        given.insert(name);
    }
    if (stored.volume.isValid() && !given.contains(configkey::kVolume)) {
        bool ok = false;
        const int volume = stored.volume.toInt(&ok);
        if (ok && volume >= 0 && volume <= 100) config.set(configkey::kVolume, volume);
    }
    if (stored.usecaptions.isValid() && !given.contains(configkey::kUseCaptions)) {
        const QString choice = stored.usecaptions.toString();
        if (choice == QLatin1String("true") || choice == QLatin1String("false"))
            config.set(configkey::kUseCaptions, choice);
    }
    deriveDisplaySize(config);
    return config;
}

void deriveDisplaySize(Config& config) {
    const double height = config.number(configkey::kHeight);
    if (!config.has(configkey::kDisplayHeight))
        config.set(configkey::kDisplayHeight, height - kControlbarHeight);
    else if (config.number(configkey::kDisplayHeight) > height)
        config.set(configkey::kDisplayHeight, height);
    // Large controls take the rest of their doubled height.
    if (config.isTrue(configkey::kLargeControls))
        config.set(configkey::kDisplayHeight, config.number(configkey::kDisplayHeight) - kControlbarHeight);
    if (!config.has(configkey::kDisplayWidth))
        config.set(configkey::kDisplayWidth, config.text(configkey::kWidth));
}

void applyStageResize(Config& config, int stageWidth, int stageHeight) {
    const double width = config.number(configkey::kWidth);
    const double height = config.number(configkey::kHeight);
    const double displayWidth = config.number(configkey::kDisplayWidth);
    const double displayHeight = config.number(configkey::kDisplayHeight);

    if (displayWidth == width)
        config.set(configkey::kDisplayWidth, stageWidth);
    else
        config.set(configkey::kDisplayWidth, stageWidth - (width - displayWidth));

    // Large controls take a second bar height under the display; that relation is kept like the plain bar's
    // instead of falling to the playlist rule, which would leave the display almost nothing.
    const bool large = config.isTrue(configkey::kLargeControls);
    if (displayHeight == height - controlbarHeight(false))
        config.set(configkey::kDisplayHeight, stageHeight - controlbarHeight(false));
    else if (large && displayHeight == height - controlbarHeight(true))
        config.set(configkey::kDisplayHeight, stageHeight - controlbarHeight(true));
    else if (displayHeight == height)
        config.set(configkey::kDisplayHeight, stageHeight);
    else
        config.set(configkey::kDisplayHeight, stageHeight - 250);

    config.set(configkey::kWidth, stageWidth);
    config.set(configkey::kHeight, stageHeight);
}

}  // namespace movie
