#pragma once

#include <QLoggingCategory>

// Firmware checks, the boot loader exchanges and the upgrade.
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)
