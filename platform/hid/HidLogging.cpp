#include "platform/hid/HidLogging.h"

Q_LOGGING_CATEGORY(lcHid, "varnex.hid")
