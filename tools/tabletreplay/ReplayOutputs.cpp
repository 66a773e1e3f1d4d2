#include "tools/tabletreplay/ReplayOutputs.h"

#include "tools/common/PrintableText.h"

#include <cerrno>
#include <cstring>

void ReplayLog::line(const QString& text) {
  const QByteArray bytes = text.toUtf8() + '\n';
  std::lock_guard<std::mutex> locker(m_lock);
  if (!m_writeError.isEmpty()) return;
  errno = 0;
  if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out) != size_t(bytes.size()) ||
      std::fflush(m_out) != 0) {
    m_writeError = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
  }
}

QString ReplayLog::writeError() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_writeError;
}

QString ReplayLog::hex(const uint8_t* data, int length) {
  return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), length).toHex().toUpper());
}

void PrintingInputInjector::sendKeys(const platform::KeyStroke* strokes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const QString code = QStringLiteral("%1").arg(strokes[i].virtualKey, 2, 16, QLatin1Char('0')).toUpper();
    m_log.line(QLatin1String(strokes[i].pressed ? "key down " : "key up ") + code);
  }
}

void PrintingInputInjector::sendMouseButton(platform::MouseButton button, bool down) {
  const char* name = button == platform::MouseButton::Left    ? "left"
                     : button == platform::MouseButton::Right ? "right"
                                                              : "middle";
  m_log.line(QStringLiteral("mouse %1 %2").arg(name, down ? "down" : "up"));
}

void PrintingInputInjector::sendWheel(int delta) {
  m_log.line(QStringLiteral("wheel %1%2").arg(delta > 0 ? "+" : "").arg(delta));
}

bool PrintingProgramStarter::startDetached(const QString& path) {
  // The path comes from the settings file: escaped, it stays one line.
  m_log.line(QStringLiteral("run ") + PrintableText::escaped(path));
  return !path.isEmpty();
}

bool PrintingPenOutput::penReport(const uint8_t* report, int length) {
  m_log.line(QStringLiteral("pen ") + ReplayLog::hex(report, length));
  return true;
}

bool PrintingPenOutput::modeReport(const uint8_t* report, int length) {
  m_log.line(QStringLiteral("mode ") + ReplayLog::hex(report, length));
  return true;
}
