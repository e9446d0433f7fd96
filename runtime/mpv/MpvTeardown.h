#pragma once

struct mpv_handle;
struct mpv_render_context;

namespace runtime {

// Ends a libmpv instance on a thread of its own. Freeing a render context waits for the video
// output, and an output holding a frame waits up to 200 ms for it to be drawn; on the GUI thread
// that would hold the next file's first frame back. The instance's callbacks must be cleared
// first. Teardowns still running when the process exits are waited for.
void tearDownInBackground(mpv_handle* mpv, mpv_render_context* render);
// Returns once every teardown started so far has finished.
void waitForTeardowns();

}  // namespace runtime
