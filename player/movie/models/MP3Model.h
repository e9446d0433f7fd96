#pragma once

#include "player/movie/models/FLVModel.h"

namespace movie {

// Plays sound items: the video model's stream handling with no picture, always progressive.
class MP3Model : public FLVModel {
    Q_OBJECT
public:
    MP3Model(const Config& config, ModelHost host, QObject* parent = nullptr)
        : FLVModel(config, std::move(host), nullptr, parent) {}

    bool accepts(const QString& type) const override { return type == QLatin1String("mp3"); }

protected:
    Mode modeFor(const FeedItem&) const override { return Mode::FLV; }
};

}  // namespace movie
