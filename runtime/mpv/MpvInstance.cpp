#include "runtime/mpv/MpvInstance.h"

#include "runtime/mpv/MpvNames.h"
#include "runtime/mpv/SoundOutput.h"

#include <mpv/client.h>
#include <mpv/render.h>

#include <utility>

namespace runtime {

namespace {

QString startOptions(mpv_handle* mpv) {
    using namespace mpvname;
    const std::pair<const char*, const char*> options[] = {
        {kVo, kVoLibmpv},
        {kAudioClientName, kClientName},
        {kConfig, kNo},
        {kTerminal, kNo},
        {kOsc, kNo},
        {kInputDefaultBindings, kNo},
        {kInputVoKeyboard, kNo},
        {kKeepOpen, kYes},
        {kHwdec, kNo},
        {kIdle, kYes},
        {kOsdLevel, kZero},
        {kSubAuto, kNo},
        {kAudioFileAuto, kNo},
        {kResumePlayback, kNo},
        {kYtdl, kNo},
        {kDemuxer, kLavf},
        {kSwsScaler, kSwsScalerSmooth},
        {kZimgScaler, kSwsScalerSmooth},
        {kCache, kAuto},
        // No scripts (each would be a thread and an interpreter per player) and no look through
        // the file's folder for other files to show.
        {kLoadScripts, kNo},
        {kLoadStatsOverlay, kNo},
        {kLoadOsdConsole, kNo},
        {kLoadAutoProfiles, kNo},
        {kCoverArtAuto, kNo},
        // Without a sound device an audio-only file would end at once: play on silently instead.
        {kAudioFallbackToNull, kYes},
        {kAo, soundSwitchedOff() ? kAoNull : nullptr}};
    for (const auto& [name, value] : options) {
        if (value && mpv_set_option_string(mpv, name, value) < 0)
            return QStringLiteral("libmpv refused option %1=%2")
                .arg(QLatin1String(name), QLatin1String(value));
    }
    return {};
}

}  // namespace

MpvInstance startMpvInstance() {
    MpvInstance instance;
    mpv_handle* mpv = mpv_create();
    if (!mpv) {
        instance.error = QStringLiteral("libmpv could not be created (is LC_NUMERIC set to C?)");
        return instance;
    }
    instance.error = startOptions(mpv);
    if (instance.error.isEmpty()) {
        if (const int rc = mpv_initialize(mpv); rc < 0)
            instance.error =
                QStringLiteral("libmpv did not start: %1").arg(QLatin1String(mpv_error_string(rc)));
    }
    if (!instance.error.isEmpty()) {
        mpv_terminate_destroy(mpv);
        return instance;
    }
    mpv_request_log_messages(mpv, "warn");
    instance.mpv = mpv;
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType}, {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (const int rc = mpv_render_context_create(&instance.render, mpv, params); rc < 0) {
        instance.render = nullptr;
        instance.error =
            QStringLiteral("no software video output: %1").arg(QLatin1String(mpv_error_string(rc)));
    }
    return instance;
}

void endMpvInstance(MpvInstance& instance) {
    if (instance.render) mpv_render_context_free(instance.render);
    if (instance.mpv) mpv_terminate_destroy(instance.mpv);
    instance = MpvInstance();
}

}  // namespace runtime
