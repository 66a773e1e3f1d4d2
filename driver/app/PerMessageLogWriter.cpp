#include "driver/app/PerMessageLogWriter.h"

#include "driver/app/LogPage.h"

#include <QFile>
#include <QMutexLocker>
#include <QTextStream>

void PerMessageLogWriter::write(const QString& fileName, const QString& line) {
  QMutexLocker lock(&m_mutex);
  QFile file(fileName);
  const bool existed = file.exists();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  QTextStream stream(&file);
  stream.setCodec("UTF-8");
  if (!existed) stream << LogPage::header() << QStringLiteral("\r\n");
  stream << line;
}
