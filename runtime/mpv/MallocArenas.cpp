#include "runtime/mpv/MallocArenas.h"

#include <malloc.h>

namespace runtime {

void limitMallocArenas() {
    mallopt(M_ARENA_MAX, 2);
}

}  // namespace runtime
