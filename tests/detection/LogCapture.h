#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects every Qt message while it lives.
class LogCapture {
 public:
  LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::collect)) { lines().clear(); }
  ~LogCapture() { qInstallMessageHandler(m_previous); }

  bool contains(const QString& text) const { return lines().join('\n').contains(text); }
  QString text() const { return lines().join('\n'); }

 private:
  static QStringList& lines() {
    static QStringList collected;
    return collected;
  }
  static void collect(QtMsgType, const QMessageLogContext&, const QString& message) { lines() << message; }

  QtMessageHandler m_previous;
};
