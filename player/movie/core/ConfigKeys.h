#pragma once

#include <QString>

// Every configuration key of the movie, in one place: a misspelt key would otherwise read as
// unset and fall back without a trace.
namespace movie::configkey {

inline const QString kClip = QStringLiteral("clip");
inline const QString kHeight = QStringLiteral("height");
inline const QString kWidth = QStringLiteral("width");
inline const QString kFile = QStringLiteral("file");
inline const QString kDisplayHeight = QStringLiteral("displayheight");
inline const QString kDisplayWidth = QStringLiteral("displaywidth");
inline const QString kFrontColor = QStringLiteral("frontcolor");
inline const QString kBackColor = QStringLiteral("backcolor");
inline const QString kLightColor = QStringLiteral("lightcolor");
inline const QString kAutoScroll = QStringLiteral("autoscroll");
inline const QString kLargeControls = QStringLiteral("largecontrols");
inline const QString kLogo = QStringLiteral("logo");
inline const QString kShowDigits = QStringLiteral("showdigits");
inline const QString kShowEq = QStringLiteral("showeq");
inline const QString kShowIcons = QStringLiteral("showicons");
inline const QString kThumbsInPlaylist = QStringLiteral("thumbsinplaylist");
inline const QString kUseFullScreen = QStringLiteral("usefullscreen");
inline const QString kFsButtonLink = QStringLiteral("fsbuttonlink");
inline const QString kAutoStart = QStringLiteral("autostart");
inline const QString kBufferLength = QStringLiteral("bufferlength");
inline const QString kOverstretch = QStringLiteral("overstretch");
inline const QString kRepeat = QStringLiteral("repeat");
inline const QString kRotateTime = QStringLiteral("rotatetime");
inline const QString kShuffle = QStringLiteral("shuffle");
inline const QString kVolume = QStringLiteral("volume");
inline const QString kCallback = QStringLiteral("callback");
inline const QString kEnableJs = QStringLiteral("enablejs");
inline const QString kLinkFromDisplay = QStringLiteral("linkfromdisplay");
inline const QString kLinkTarget = QStringLiteral("linktarget");
inline const QString kStreamScript = QStringLiteral("streamscript");
inline const QString kUseCaptions = QStringLiteral("usecaptions");
inline const QString kUseKeys = QStringLiteral("usekeys");

}  // namespace movie::configkey
