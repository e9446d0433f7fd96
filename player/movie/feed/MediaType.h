#pragma once

#include <QString>
#include <QStringView>

namespace movie {

namespace mediatype {
inline constexpr QStringView kFlv = u"flv";
inline constexpr QStringView kMp3 = u"mp3";
inline constexpr QStringView kRbs = u"rbs";
inline constexpr QStringView kJpg = u"jpg";
inline constexpr QStringView kGif = u"gif";
inline constexpr QStringView kPng = u"png";
inline constexpr QStringView kRtmp = u"rtmp";
inline constexpr QStringView kSwf = u"swf";
inline constexpr QStringView kXml = u"xml";  // anything else: a playlist
}  // namespace mediatype

// The movie's media type of a file: "rtmp" when it begins so (a stream server's address), else the first of
// "flv", "mp3", "rbs", "jpg", "gif", "png", "rtmp", "swf" (in that order) that equals the file's last three
// characters lower-cased, or the given type, or the file's first four characters; "xml" (a playlist) when
// none does. Files ending in "f4v", "mp4", "m4v" or "mov" are "flv" too: the video model plays them.
QString mediaTypeOf(const QString& file, const QString& givenType = QString());

// The movie's media type for a MIME type as playlists give it ("video/x-flv", "audio/mpeg", ...), or an
// empty string when the MIME type names nothing the movie plays.
QString mediaTypeOfMime(const QString& mime);

}  // namespace movie
