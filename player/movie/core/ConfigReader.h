#pragma once

#include "player/movie/core/Config.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace movie {

// Every configuration key the movie knows, with its default; keys without a default are absent
// until a root variable sets them.
struct ConfigKey {
    QString name;
    const char* defaultValue;  // nullptr: unset by default
};
const QList<ConfigKey>& configKeys();

// What the local shared object remembers between runs (the volume and the captions choice);
// invalid values when nothing was stored.
struct StoredChoices {
    QVariant volume;
    QVariant usecaptions;
};

// Reads the movie's configuration: the defaults, the stage size as "width" and "height", the
// root variables of known keys (already unescaped by the component), the stored choices where
// no root variable sets them, then the derived display size.
Config readConfig(const QList<QPair<QString, QString>>& rootVariables, int stageWidth, int stageHeight,
                  const StoredChoices& stored = {});

// The display size rules: "displayheight" from "height" (less the control bar's height, doubled
// for large controls), "displaywidth" from "width".
void deriveDisplaySize(Config& config);

// The stage was resized: the display keeps its relation to the stage (full size, less the bar,
// or less the room kept for a playlist), then "width" and "height" take the new size.
void applyStageResize(Config& config, int stageWidth, int stageHeight);

}  // namespace movie
