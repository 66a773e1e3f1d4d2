#pragma once

#include "driver/app/LogWriter.h"

#include <QFile>
#include <QMutex>
#include <QTextStream>

// Keeps the page of the current hour open between messages. Once more than
// 511 characters have gone through it, it closes and reopens the page after
// every message, so what is logged reaches the disk even if the process dies
// without running destructors.
class KeptOpenLogWriter : public LogWriter {
 public:
  void write(const QString& fileName, const QString& line) override;

 private:
  void open(const QString& fileName);

  QMutex m_mutex;
  QFile m_file;
  QTextStream m_stream;
  qint64 m_characters = 0;
};
