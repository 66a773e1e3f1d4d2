#include "driver/app/KeptOpenLogWriter.h"

#include "driver/app/LogPage.h"

#include <QMutexLocker>

namespace {
const qint64 kReopenAfterCharacters = 511;
}

void KeptOpenLogWriter::write(const QString& fileName, const QString& line) {
  QMutexLocker lock(&m_mutex);
  // A page that could not be opened is tried again with the next message.
  if (m_file.fileName() != fileName || !m_file.isOpen()) open(fileName);
  if (!m_file.isOpen()) return;
  m_stream << line;
  m_stream.flush();
  m_characters += line.size();
  if (m_characters > kReopenAfterCharacters) open(fileName);
}

void KeptOpenLogWriter::open(const QString& fileName) {
  if (m_file.isOpen()) {
    m_stream.setDevice(nullptr);
    m_file.close();
  }
  m_file.setFileName(fileName);
  const bool existed = m_file.exists();
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  m_stream.setDevice(&m_file);
  m_stream.setCodec("UTF-8");
  if (!existed) {
    m_stream << LogPage::header() << QStringLiteral("\r\n");
    m_stream.flush();
  }
}
