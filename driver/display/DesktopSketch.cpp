#include "driver/display/DesktopSketch.h"

#include <QColor>
#include <QFont>
#include <QPainter>

namespace {

// The window's dark theme: the desktop behind the monitors, a monitor, the
// chosen monitor.
const QColor kBackground(0x1e, 0x21, 0x25);
const QColor kMonitor(0x3a, 0x3f, 0x45);
const QColor kChosen(0x2c, 0x5a, 0x8f);
const QColor kEdge(0x8a, 0x93, 0x9c);
const QColor kText(0xf0, 0xf2, 0xf4);

QRectF toPicture(const QRect& rect, const QRect& shown, QSize size) {
  const double sx = double(size.width()) / shown.width();
  const double sy = double(size.height()) / shown.height();
  return QRectF((rect.x() - shown.x()) * sx, (rect.y() - shown.y()) * sy, rect.width() * sx, rect.height() * sy);
}

}  // namespace

QPixmap DesktopSketch::draw(const QVector<Monitor>& monitors, const QRect& shown, QSize size) {
  QPixmap picture(size);
  picture.fill(kBackground);
  if (!shown.isValid()) return picture;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPixelSize(qMax(9, size.height() / 14));
  painter.setFont(font);
  for (const Monitor& monitor : monitors) {
    if (!monitor.rect.intersects(shown)) continue;
    // A pixel in from each side, so neighbouring monitors stay apart.
    const QRectF area = toPicture(monitor.rect, shown, size).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(monitor.chosen ? kText : kEdge, monitor.chosen ? 2 : 1));
    painter.setBrush(monitor.chosen ? kChosen : kMonitor);
    painter.drawRoundedRect(area, 3, 3);
    painter.setPen(kText);
    const QString label =
        monitor.name + QLatin1Char('\n') + QStringLiteral("%1 × %2").arg(monitor.rect.width()).arg(monitor.rect.height());
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, label);
  }
  return picture;
}
