#pragma once

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QQuickPaintedItem>

// Stands in for the painted guide line of the area page ("DashLine" from
// "line.dashLine" 1.0) with the same properties and methods.
class FakeDashLine : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QColor color READ color WRITE setColor)
  Q_PROPERTY(int linewidth READ linewidth WRITE setLinewidth)

 public:
  explicit FakeDashLine(QQuickItem* parent = nullptr) : QQuickPaintedItem(parent) {}

  QColor color() const { return m_color; }
  void setColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    update();
  }
  int linewidth() const { return int(m_linewidth); }
  void setLinewidth(int width) { m_linewidth = width; }

  Q_INVOKABLE void drawLineDash(int x1, int y1, int x2, int y2) {
    m_pen.setDashPattern(QVector<qreal>(10, 2.0));
    m_pen.setCapStyle(Qt::FlatCap);
    m_pen.setJoinStyle(Qt::RoundJoin);
    draw(x1, y1, x2, y2);
  }
  Q_INVOKABLE void drawDotLine(int x1, int y1, int x2, int y2) {
    m_pen.setStyle(Qt::DotLine);
    draw(x1, y1, x2, y2);
  }
  Q_INVOKABLE void drawLines(int x1, int y1, int x2, int y2) {
    m_pen.setStyle(Qt::SolidLine);
    draw(x1, y1, x2, y2);
  }
  QLineF line() const { return m_line; }

  void paint(QPainter* painter) override;

 private:
  void draw(int x1, int y1, int x2, int y2) {
    m_line = QLineF(x1, y1, x2, y2);
    update();
  }

  QPen m_pen;
  QColor m_color{Qt::red};
  double m_linewidth = 1.0;
  QLineF m_line;
};
