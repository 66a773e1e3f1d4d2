#pragma once

#include <QFile>
#include <QRasterWindow>

// A full-screen window on one monitor that writes every pointer and pen
// position it is told, in its own coordinates (the monitor's), as lines
// "x, y: X, Y" to its log, the form wev prints.
class ScreenProbeWindow : public QRasterWindow {
 public:
  ScreenProbeWindow(QScreen* screen, const QString& logPath);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void record(const char* what, QPointF position);

  QFile m_log;
};
