#pragma once

#include <QColor>
#include <QPen>
#include <QQuickPaintedItem>

// One guide line of the area page, drawn dashed, dotted or solid. QML sets
// the colour and width, then calls one of the draw methods with the line's
// ends in the item's coordinates.
class DashLine : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(QColor color READ color WRITE setColor)
  Q_PROPERTY(int linewidth READ linewidth WRITE setLinewidth)
 public:
  explicit DashLine(QQuickItem* parent = nullptr);

  QColor color() const { return m_color; }
  // Repaints only when the colour really changes.
  void setColor(const QColor& color);
  int linewidth() const { return int(m_linewidth); }
  // Takes effect at the next draw call.
  void setLinewidth(int width) { m_linewidth = width; }

  // Each stores the line and repaints: dashes and gaps two line widths long
  // with flat caps, dotted, or solid.
  Q_INVOKABLE void drawLineDash(int x1, int y1, int x2, int y2);
  Q_INVOKABLE void drawDotLine(int x1, int y1, int x2, int y2);
  Q_INVOKABLE void drawLines(int x1, int y1, int x2, int y2);

  void paint(QPainter* painter) override;

  const QPen& pen() const { return m_pen; }
  QLineF line() const { return m_line; }

  // "DashLine" in the QML module "line.dashLine" 1.0.
  static void registerQmlType();

 private:
  void setLine(int x1, int y1, int x2, int y2);

  QPen m_pen;
  QColor m_color = QColor("red");
  double m_linewidth = 1.0;
  QLineF m_line;
};
