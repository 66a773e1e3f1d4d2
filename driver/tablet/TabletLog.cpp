#include "driver/tablet/TabletLog.h"

Q_LOGGING_CATEGORY(lcTablet, "varnex.tablet")
Q_LOGGING_CATEGORY(lcTabletReport, "varnex.tablet.report", QtInfoMsg)
