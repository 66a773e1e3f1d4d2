#include "driver/display/DashLine.h"

#include <QPainter>
#include <QQmlEngine>

DashLine::DashLine(QQuickItem* parent) : QQuickPaintedItem(parent) {}

void DashLine::setColor(const QColor& color) {
  if (color == m_color) return;
  m_color = color;
  update();
}

void DashLine::setLine(int x1, int y1, int x2, int y2) {
  m_line = QLineF(x1, y1, x2, y2);
  update();
}

void DashLine::drawLineDash(int x1, int y1, int x2, int y2) {
  m_pen.setDashPattern(QVector<qreal>(10, 2.0));
  m_pen.setCapStyle(Qt::FlatCap);
  m_pen.setJoinStyle(Qt::RoundJoin);
  setLine(x1, y1, x2, y2);
}

void DashLine::drawDotLine(int x1, int y1, int x2, int y2) {
  m_pen.setStyle(Qt::DotLine);
  setLine(x1, y1, x2, y2);
}

void DashLine::drawLines(int x1, int y1, int x2, int y2) {
  m_pen.setStyle(Qt::SolidLine);
  setLine(x1, y1, x2, y2);
}

void DashLine::paint(QPainter* painter) {
  m_pen.setWidthF(m_linewidth);
  m_pen.setColor(m_color);
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(m_pen);
  painter->drawLine(m_line);
}

void DashLine::registerQmlType() { qmlRegisterType<DashLine>("line.dashLine", 1, 0, "DashLine"); }
