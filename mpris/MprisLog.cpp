#include "mpris/MprisLog.h"

Q_LOGGING_CATEGORY(lcMpris, "quorvel.mpris")
