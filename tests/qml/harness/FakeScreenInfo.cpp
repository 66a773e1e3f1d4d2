#include "FakeScreenInfo.h"

#include "driver/display/ScreenInfo.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap FakeScreenImageProvider::requestPixmap(const QString&, QSize* size, const QSize&) {
  QImage image(300, 168, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 300, 168);
  sky.setColorAt(0, QColor("#2b5876"));
  sky.setColorAt(1, QColor("#4e4376"));
  painter.fillRect(image.rect(), sky);
  painter.setRenderHint(QPainter::Antialiasing);
  const struct {
    QRect rect;
    QColor colour;
  } windows[] = {{{22, 20, 150, 96}, QColor("#f1f3f4")}, {{120, 52, 150, 90}, QColor("#fafafa")}};
  for (const auto& window : windows) {
    painter.fillRect(window.rect.translated(2, 3), QColor(0, 0, 0, 60));
    painter.fillRect(window.rect, window.colour);
    painter.fillRect(QRect(window.rect.topLeft(), QSize(window.rect.width(), 10)), QColor("#dadce0"));
  }
  painter.setPen(QPen(QColor("#1a73e8"), 3));
  painter.drawLine(140, 110, 180, 80);
  painter.drawLine(180, 80, 230, 120);
  painter.fillRect(QRect(0, 158, 300, 10), QColor(20, 20, 28, 220));
  painter.end();
  if (size) *size = image.size();
  return QPixmap::fromImage(image);
}

void FakeScreenInfo::setGrabScreenRect(const QString& screenName) {
  calls << "setGrabScreenRect(" + screenName + ")";
  if (screenName == QLatin1String("eDP-1"))
    m_grabRect = QRect(0, 0, 1920, 1080);
  else if (screenName.startsWith(QLatin1String("HDMI-1")))
    m_grabRect = QRect(1920, 0, 2560, 1440);
  else
    m_grabRect = QRect(0, 0, 4480, 1440);
  QRect all(0, 0, 4480, 1440);
  emit realScreenRect(m_grabRect, all);
}

double FakeScreenInfo::getScreenSize(int type) { return ScreenInfo::rectValue(m_grabRect, type); }
