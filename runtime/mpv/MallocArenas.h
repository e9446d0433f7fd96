#pragma once

namespace runtime {

// Every player's libmpv threads come and go with each load; few malloc arenas keep the memory
// they free from piling up in per-thread pools. glibc fixes the number of arenas when a second
// thread first allocates, so this must run first thing in main, before any thread starts.
void limitMallocArenas();

}  // namespace runtime
