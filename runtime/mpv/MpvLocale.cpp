#include "runtime/mpv/MpvLocale.h"

#include <clocale>

namespace runtime {

void prepareMpvLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace runtime
