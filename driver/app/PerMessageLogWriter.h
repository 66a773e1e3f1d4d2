#pragma once

#include "driver/app/LogWriter.h"

#include <QMutex>

// Opens, appends to and closes the page for every message: slower than
// KeptOpenLogWriter, but never holds a file open.
class PerMessageLogWriter : public LogWriter {
 public:
  void write(const QString& fileName, const QString& line) override;

 private:
  QMutex m_mutex;
};
