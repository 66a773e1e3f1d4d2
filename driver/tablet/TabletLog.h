#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTablet)
// One line per report; off unless asked for with QT_LOGGING_RULES, as it
// runs at the tablet's report rate.
Q_DECLARE_LOGGING_CATEGORY(lcTabletReport)
