#pragma once

#include <QString>

// Appends lines to the hourly log pages. A page that does not exist yet
// starts with the page head. Writers are called from every thread and
// serialise their writes themselves; they never report failures (a page that
// cannot be opened loses the line, which still reaches standard error).
class LogWriter {
 public:
  virtual ~LogWriter() = default;
  virtual void write(const QString& fileName, const QString& line) = 0;
};
