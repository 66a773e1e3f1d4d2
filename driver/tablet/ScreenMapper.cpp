#include "driver/tablet/ScreenMapper.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/core/SaneGeometry.h"
#include "driver/tablet/CalibrationEdgeCorrection.h"
#include "driver/tablet/MappingSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <mutex>

namespace {

// The desktop the settings window's rectangles are expressed in.
constexpr int kReferenceWidth = 1920;
constexpr int kReferenceHeight = 1080;

// The chosen monitor (S) and all monitors together (A), kept for the life of
// the program: a mapper created for the next tablet starts on the monitor the
// user chose for the last one.
std::mutex s_screensLock;
QRect s_selectedScreen(0, 0, kReferenceWidth, kReferenceHeight);
QRect s_allScreens(0, 0, kReferenceWidth, kReferenceHeight);
bool s_frameKnown = false;

}  // namespace

ScreenMapper::ScreenMapper() {
  // Until the window sends its rectangles, relative mode may use the whole
  // screen picture.
  m_geometry.screenPreview = QRectF(MappingSettings::rect(MyQmlEnum::MaxVirtualScreen));
  m_geometry.screenSelection = m_geometry.screenPreview;
}

bool ScreenMapper::map(double& x, double& y) {
  Geometry g;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_lastInput = QPointF(x, y);
    g = m_geometry;
  }
  mapWith(g, x, y);
  return true;
}

void ScreenMapper::mapWith(const Geometry& g, double& x, double& y) {
  const double inX = x;
  const double inY = y;
  const double W = g.tabletRect.width();
  const double H = g.tabletRect.height();

  double rx = inX;
  double ry = inY;
  switch (g.rotation) {
    case 90:
      rx = (H - inY) * W / H;
      ry = inX * H / W;
      break;
    case 180:
      rx = W - inX;
      ry = H - inY;
      break;
    case 270:
      rx = inY * W / H;
      ry = (W - inX) * H / W;
      break;
    default: break;
  }

  const QRectF& area = g.tabletArea;
  const QRectF& screen = g.screenArea;
  const double u = (rx - area.x()) / area.width();
  const double v = (ry - area.y()) / area.height();
  double sx = screen.x() + screen.width() * u;
  double sy = screen.y() + screen.height() * v;

  // The lower bound is one unit inside the screen area, and it comes first.
  if (sx < screen.x() + 1) sx = screen.x() + 1;
  if (sy < screen.y() + 1) sy = screen.y() + 1;
  if (sx > screen.x() + screen.width()) sx = screen.x() + screen.width();
  if (sy > screen.y() + screen.height()) sy = screen.y() + screen.height();

  double nx = sx / g.desktop.width();
  double ny = sy / g.desktop.height();

  if (MyQmlEnum::isPenDisplay(g.deviceType) && g.calibration.valid) {
    const QRect& r = g.calibrationScreen;
    const double px = r.x() + nx * r.width();
    const double py = r.y() + ny * r.height();
    const CalibrationCalculationPoint& k = g.calibration;
    const double cx = k.a * px + k.b * py + k.c;
    const double cy = k.d * px + k.e * py + k.f;
    nx = (cx - r.x()) / r.width();
    ny = (cy - r.y()) / r.height();
    if (g.deviceType == MyQmlEnum::CFG_Fjord2Pro) {
      applyCalibrationEdgeCorrection(nx, ny, inX, inY, area, g.rotation);
    }
  }

  // The last clamp keeps the position on the desktop: at least the screen
  // area's left/top edge, at most 1. A tablet without an area yet gives no
  // number at all; that lands on the lower bound as well.
  const double lx = (screen.x() - g.desktop.x()) / g.desktop.width();
  const double ly = (screen.y() - g.desktop.y()) / g.desktop.height();
  if (!(nx >= lx))
    nx = lx;
  else if (nx > 1)
    nx = 1;
  if (!(ny >= ly))
    ny = ly;
  else if (ny > 1)
    ny = 1;
  x = nx;
  y = ny;
}

void ScreenMapper::setMapperArea(const QRect& givenScreenRect, const QRect& givenAllScreenRect) {
  // Monitors and the window's rectangles come from outside; a rectangle near
  // the int limits must not overflow the integer steps below.
  const QRect screenRect = SaneGeometry::clamped(givenScreenRect);
  const QRect allScreenRect = SaneGeometry::clamped(givenAllScreenRect);
  QRect desktopOfScreens;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (QScreen* primary = QGuiApplication::primaryScreen()) desktopOfScreens = primary->virtualGeometry();
  }
  const QRectF screenSelection(SaneGeometry::clamped(MappingSettings::rect(MyQmlEnum::DynamicRectScreen)));
  const QRectF tabletSelection(SaneGeometry::clamped(MappingSettings::rect(MyQmlEnum::DynamicRectTablet)));
  const QRectF screenPreview(SaneGeometry::clamped(MappingSettings::rect(MyQmlEnum::MaxVirtualScreen)));
  const QRectF tabletPreview(SaneGeometry::clamped(MappingSettings::rect(MyQmlEnum::MaxVirtualTablet)));

  QRect S;
  QRect A;
  bool framed;
  {
    std::lock_guard<std::mutex> locker(s_screensLock);
    if (!screenRect.isEmpty() && !allScreenRect.isEmpty()) {
      // The reference desktop starts at 0 where the frame does: the frame
      // starts below 0 with a monitor left of or above the primary one, and
      // past 0 where the desktop spreads the pen over a monitor of its own.
      s_selectedScreen = screenRect.translated(-allScreenRect.topLeft());
      s_allScreens = allScreenRect;
      s_frameKnown = true;
    }
    S = s_selectedScreen;
    A = s_allScreens;
    framed = s_frameKnown;
  }
  // The calibration fits and corrects pixels of the frame the pen's
  // fractions are of; until the window has named one, that is the desktop.
  const QRect calibrationScreen = framed ? A : desktopOfScreens;

  const int kx = S.width() * kReferenceWidth / A.width();
  const int ky = S.height() * kReferenceHeight / A.height();
  const double ox = S.x() * (double(kReferenceWidth) / A.width());
  const double oy = S.y() * (double(kReferenceHeight) / A.height());
  const QRectF& sel = screenSelection;
  const QRectF& prev = screenPreview;
  const QRectF screenArea(sel.x() / prev.width() * kx + ox, sel.y() / prev.height() * ky + oy,
                          sel.width() * kx / prev.width(), sel.height() * ky / prev.height());

  std::lock_guard<std::mutex> locker(m_lock);
  Geometry& g = m_geometry;
  const QRectF& T = g.tabletRect;
  const QRectF& tsel = tabletSelection;
  const QRectF& tprev = tabletPreview;
  g.tabletArea = QRectF(tsel.x() * T.width() / tprev.width(), tsel.y() * T.height() / tprev.height(),
                        T.width() / tprev.width() * tsel.width(), T.height() / tprev.height() * tsel.height());
  g.screenArea = screenArea;
  g.calibrationScreen = calibrationScreen;
  g.screenSelection = screenSelection;
  g.screenPreview = screenPreview;
  g.tabletSelection = tabletSelection;
  g.tabletPreview = tabletPreview;
}

void ScreenMapper::setRotationAngle(int angle) {
  int deviceType;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_geometry.rotation = angle;
    deviceType = m_geometry.deviceType;
  }
  if (MyQmlEnum::isPenDisplay(deviceType)) loadCalibration(angle);
}

void ScreenMapper::setDeviceType(int deviceType) {
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_geometry.deviceType = deviceType;
  }
  if (MyQmlEnum::isPenDisplay(deviceType)) loadCalibration(MappingSettings::rotationAngle());
}

void ScreenMapper::loadCalibration(int angle) { setCalibration(MappingSettings::calibration(angle)); }

void ScreenMapper::setDesktopRect(const QRectF& rect) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_geometry.desktop = SaneGeometry::clamped(rect);
}

void ScreenMapper::setTabletRect(const QRectF& rect) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_geometry.tabletRect = SaneGeometry::clamped(rect);
  m_geometry.tabletArea = m_geometry.tabletRect;
}

QRectF ScreenMapper::tabletRect() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.tabletRect;
}

QRectF ScreenMapper::tabletArea() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.tabletArea;
}

QRectF ScreenMapper::screenArea() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.screenArea;
}

QRectF ScreenMapper::desktopRect() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.desktop;
}

int ScreenMapper::rotationAngle() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.rotation;
}

int ScreenMapper::deviceType() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.deviceType;
}

QPointF ScreenMapper::lastInput() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_lastInput;
}

QRectF ScreenMapper::screenSelectionShare() const {
  std::lock_guard<std::mutex> locker(m_lock);
  const QRectF& sel = m_geometry.screenSelection;
  const QRectF& prev = m_geometry.screenPreview;
  return QRectF(sel.x() / prev.width(), sel.y() / prev.height(), sel.width() / prev.width(),
                sel.height() / prev.height());
}

CalibrationCalculationPoint ScreenMapper::calibration() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.calibration;
}

void ScreenMapper::setCalibration(const CalibrationCalculationPoint& calibration) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_geometry.calibration = calibration;
}

QRect ScreenMapper::calibrationScreen() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_geometry.calibrationScreen;
}

QRect ScreenMapper::selectedScreen() {
  std::lock_guard<std::mutex> locker(s_screensLock);
  return s_selectedScreen;
}

QRect ScreenMapper::allScreens() {
  std::lock_guard<std::mutex> locker(s_screensLock);
  return s_allScreens;
}

void ScreenMapper::resetSharedScreens() {
  std::lock_guard<std::mutex> locker(s_screensLock);
  s_selectedScreen = QRect(0, 0, kReferenceWidth, kReferenceHeight);
  s_allScreens = s_selectedScreen;
  s_frameKnown = false;
}
