#pragma once

#include <QString>

struct mpv_handle;
struct mpv_render_context;

namespace runtime {

// A started libmpv instance with its software render context, not yet bound to a player.
struct MpvInstance {
    mpv_handle* mpv = nullptr;             // null when libmpv could not start (see error)
    mpv_render_context* render = nullptr;  // null when no render context could be made (see error)
    QString error;
};

// Creates and starts an instance with the runtime's fixed options. Safe on any thread, provided
// the C numeric locale is in force (see prepareMpvLocale).
MpvInstance startMpvInstance();

// Ends an instance nothing was bound to.
void endMpvInstance(MpvInstance& instance);

}  // namespace runtime
