#include "player/movie/core/Requests.h"

#include <array>
#include <utility>

namespace movie {
namespace {

using RequestNames = std::array<std::pair<Request, QString>, 10>;

const RequestNames& requestNames() {
    static const RequestNames names{{
        {Request::PlayPause, QStringLiteral("playpause")},
        {Request::Prev, QStringLiteral("prev")},
        {Request::Next, QStringLiteral("next")},
        {Request::Scrub, QStringLiteral("scrub")},
        {Request::Volume, QStringLiteral("volume")},
        {Request::FullScreen, QStringLiteral("fullscreen")},
        {Request::Captions, QStringLiteral("captions")},
        {Request::Item, QStringLiteral("item")},
        {Request::GetLink, QStringLiteral("getlink")},
        {Request::Stop, QStringLiteral("stop")},
    }};
    return names;
}

}  // namespace

QString requestName(Request request) {
    for (const auto& [known, name] : requestNames())
        if (known == request) return name;
    return QString();
}

std::optional<Request> requestNamed(const QString& name) {
    for (const auto& [request, known] : requestNames())
        if (known == name) return request;
    return std::nullopt;
}

}  // namespace movie
