#include "driver/firmware/FirmwareLog.h"

Q_LOGGING_CATEGORY(lcFirmware, "varnex.firmware")
