#pragma once

// Every libmpv option, property and command name the runtime uses, in one place, so a misspelt
// name has one place to be found and the tests can check them all against the library.
namespace runtime::mpvname {

// Options set before initialisation.
inline constexpr const char* kVo = "vo";
inline constexpr const char* kAo = "ao";
inline constexpr const char* kAudioClientName = "audio-client-name";
inline constexpr const char* kConfig = "config";
inline constexpr const char* kTerminal = "terminal";
inline constexpr const char* kOsc = "osc";
inline constexpr const char* kInputDefaultBindings = "input-default-bindings";
inline constexpr const char* kInputVoKeyboard = "input-vo-keyboard";
inline constexpr const char* kKeepOpen = "keep-open";
inline constexpr const char* kHwdec = "hwdec";
inline constexpr const char* kCache = "cache";
inline constexpr const char* kCachePauseWait = "cache-pause-wait";
inline constexpr const char* kDemuxerReadaheadSecs = "demuxer-readahead-secs";
inline constexpr const char* kDemuxer = "demuxer";
inline constexpr const char* kDemuxerLavfOptions = "demuxer-lavf-o";
inline constexpr const char* kStreamLavfOptions = "stream-lavf-o";
inline constexpr const char* kIdle = "idle";
inline constexpr const char* kOsdLevel = "osd-level";
inline constexpr const char* kSubAuto = "sub-auto";
inline constexpr const char* kAudioFileAuto = "audio-file-auto";
inline constexpr const char* kResumePlayback = "resume-playback";
inline constexpr const char* kYtdl = "ytdl";
inline constexpr const char* kSwsScaler = "sws-scaler";
inline constexpr const char* kZimgScaler = "zimg-scaler";
inline constexpr const char* kAf = "af";
inline constexpr const char* kLoadScripts = "load-scripts";
inline constexpr const char* kLoadStatsOverlay = "load-stats-overlay";
inline constexpr const char* kLoadOsdConsole = "load-osd-console";
inline constexpr const char* kLoadAutoProfiles = "load-auto-profiles";
inline constexpr const char* kCoverArtAuto = "cover-art-auto";
inline constexpr const char* kAudioFallbackToNull = "audio-fallback-to-null";

// Properties read, observed or set while running.
inline constexpr const char* kPause = "pause";
inline constexpr const char* kVolume = "volume";
inline constexpr const char* kPlaybackTime = "playback-time";
inline constexpr const char* kDuration = "duration";
inline constexpr const char* kFileSize = "file-size";
inline constexpr const char* kDemuxerCacheDuration = "demuxer-cache-duration";
inline constexpr const char* kDemuxerCacheState = "demuxer-cache-state";
inline constexpr const char* kPausedForCache = "paused-for-cache";
inline constexpr const char* kEofReached = "eof-reached";
inline constexpr const char* kVideoParams = "video-params";
inline constexpr const char* kVid = "vid";
inline constexpr const char* kFrameDropCount = "frame-drop-count";
inline constexpr const char* kDecoderFrameDropCount = "decoder-frame-drop-count";
inline constexpr const char* kCurrentAo = "current-ao";
// What the level meter filter (kLevelFilter) last measured: a map of kLevelKey* texts.
inline constexpr const char* kLevelMetadata = "af-metadata/quorvellevel";

inline constexpr const char* kOptionNames[] = {kVo,
                                               kAo,
                                               kAudioClientName,
                                               kConfig,
                                               kTerminal,
                                               kOsc,
                                               kInputDefaultBindings,
                                               kInputVoKeyboard,
                                               kKeepOpen,
                                               kHwdec,
                                               kCache,
                                               kCachePauseWait,
                                               kDemuxerReadaheadSecs,
                                               kDemuxer,
                                               kDemuxerLavfOptions,
                                               kStreamLavfOptions,
                                               kIdle,
                                               kOsdLevel,
                                               kSubAuto,
                                               kAudioFileAuto,
                                               kResumePlayback,
                                               kYtdl,
                                               kSwsScaler,
                                               kZimgScaler,
                                               kAf,
                                               kLoadScripts,
                                               kLoadStatsOverlay,
                                               kLoadOsdConsole,
                                               kLoadAutoProfiles,
                                               kCoverArtAuto,
                                               kAudioFallbackToNull};
inline constexpr const char* kPropertyNames[] = {kPause,
                                                 kVolume,
                                                 kPlaybackTime,
                                                 kDuration,
                                                 kFileSize,
                                                 kDemuxerCacheDuration,
                                                 kDemuxerCacheState,
                                                 kPausedForCache,
                                                 kEofReached,
                                                 kVideoParams,
                                                 kVid,
                                                 kFrameDropCount,
                                                 kDecoderFrameDropCount,
                                                 kCurrentAo};

// Keys of the maps those properties return.
inline constexpr const char* kCacheEndKey = "cache-end";
inline constexpr const char* kEofCachedKey = "eof-cached";
inline constexpr const char* kParamsWidthKey = "w";
inline constexpr const char* kParamsHeightKey = "h";
// Per channel n (from 1): "lavfi.astats.<n>.RMS_level" and "...Peak_level", in dB ("-inf" for silence).
inline constexpr const char* kLevelKeyPrefix = "lavfi.astats.";
inline constexpr const char* kLevelKeyRms = ".RMS_level";
inline constexpr const char* kLevelKeyPeak = ".Peak_level";

// Commands.
inline constexpr const char* kLoadFile = "loadfile";
inline constexpr const char* kStop = "stop";
inline constexpr const char* kSeek = "seek";
inline constexpr const char* kSeekAbsolute = "absolute";

// Values.
inline constexpr const char* kVoLibmpv = "libmpv";
inline constexpr const char* kVoNull = "null";
inline constexpr const char* kAoNull = "null";
inline constexpr const char* kYes = "yes";
inline constexpr const char* kNo = "no";
inline constexpr const char* kAuto = "auto";
inline constexpr const char* kZero = "0";
inline constexpr const char* kLavf = "lavf";
inline constexpr const char* kClientName = "quorvel";
inline constexpr const char* kSwsScalerSmooth = "bilinear";  // smoothing, at little cost
inline constexpr const char* kSwFormat = "bgr0";             // QImage::Format_RGB32 on little-endian
// The sound passes unchanged; astats puts each frame's own levels in the frame's metadata.
inline constexpr const char* kLevelFilter = "@quorvellevel:lavfi=[astats=metadata=1:reset=1]";
inline constexpr const char* kNoFilter = "";

}  // namespace runtime::mpvname
