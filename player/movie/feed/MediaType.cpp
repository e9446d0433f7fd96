#include "player/movie/feed/MediaType.h"

#include <algorithm>
#include <iterator>

namespace movie {

namespace {

// H.264/AAC in an MP4 container, which Flash Player 9 and later played as it played .flv files.
bool isMp4FamilyExtension(QStringView lastThree) {
    static constexpr QStringView kExtensions[] = {u"f4v", u"mp4", u"m4v", u"mov"};
    return std::find(std::begin(kExtensions), std::end(kExtensions), lastThree) != std::end(kExtensions);
}

}  // namespace

QString mediaTypeOf(const QString& file, const QString& givenType) {
    // The order matters: "clip.flv" given the type "mp3" is still a video.
    static constexpr QStringView kTypes[] = {mediatype::kFlv,  mediatype::kMp3, mediatype::kRbs,
                                             mediatype::kJpg,  mediatype::kGif, mediatype::kPng,
                                             mediatype::kRtmp, mediatype::kSwf};
    const QString lastThree = file.right(3).toLower();
    QString firstFour = file.left(4);
    // A stream server's address plays only in the RTMP mode, whatever its stream is named ("clip.flv").
    if (firstFour == mediatype::kRtmp) return firstFour;
    for (const QStringView candidate : kTypes) {
        if (candidate == lastThree || candidate == givenType || candidate == firstFour)
            return candidate.toString();
        if (candidate == mediatype::kFlv && isMp4FamilyExtension(lastThree)) return candidate.toString();
    }
    return mediatype::kXml.toString();
}

QString mediaTypeOfMime(const QString& mime) {
    const QString lower = mime.trimmed().toLower();
    if (lower == u"application/x-shockwave-flash") return mediatype::kSwf.toString();
    if (lower == u"image/jpeg" || lower == u"image/jpg" || lower == u"image/pjpeg")
        return mediatype::kJpg.toString();
    if (lower == u"image/gif") return mediatype::kGif.toString();
    if (lower == u"image/png") return mediatype::kPng.toString();
    // The video model plays any video mpv decodes, and the audio model any audio.
    if (lower.startsWith(u"video/")) return mediatype::kFlv.toString();
    if (lower.startsWith(u"audio/")) return mediatype::kMp3.toString();
    return QString();
}

}  // namespace movie
