#include "FakeDashLine.h"

#include <QPainter>

void FakeDashLine::paint(QPainter* painter) {
  m_pen.setWidthF(m_linewidth);
  m_pen.setColor(m_color);
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(m_pen);
  painter->drawLine(m_line);
}
