#pragma once

namespace runtime {

// libmpv refuses to start unless numbers are formatted the C way; QApplication's constructor
// takes the user's locale, so the application calls this right after constructing it.
void prepareMpvLocale();

}  // namespace runtime
