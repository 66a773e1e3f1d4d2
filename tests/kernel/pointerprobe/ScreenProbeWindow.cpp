#include "ScreenProbeWindow.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTabletEvent>

ScreenProbeWindow::ScreenProbeWindow(QScreen* screen, const QString& logPath) : m_log(logPath) {
  m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
  setScreen(screen);
  setGeometry(screen->geometry());
}

bool ScreenProbeWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      record("enter", static_cast<QEnterEvent*>(event)->localPos());
      break;
    case QEvent::MouseMove:
      record("motion", static_cast<QMouseEvent*>(event)->localPos());
      break;
    case QEvent::TabletEnterProximity:
    case QEvent::TabletMove:
    case QEvent::TabletPress:
      // Left unaccepted, Qt also turns the pen into the mouse events above.
      record("tablet", static_cast<QTabletEvent*>(event)->posF());
      event->ignore();
      return true;
    default:
      if (qEnvironmentVariableIsSet("POINTERPROBE_ALL")) m_log.write("event " + QByteArray::number(int(event->type())) + "\n");
      break;
  }
  return QRasterWindow::event(event);
}

void ScreenProbeWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(QRect(QPoint(0, 0), size()), Qt::darkGray);
}

void ScreenProbeWindow::record(const char* what, QPointF position) {
  m_log.write(QByteArray(what) + " x, y: " + QByteArray::number(position.x(), 'f', 2) + ", " +
              QByteArray::number(position.y(), 'f', 2) + "\n");
}
