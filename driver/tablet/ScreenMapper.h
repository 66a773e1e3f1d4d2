#pragma once

#include "driver/core/CalibrationCalculationPoint.h"
#include "driver/tablet/CalibrationSession.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <mutex>

// Turns a pen position in tablet millimetres into a position normalised to
// 0..1 over the desktop: rotation, the user's tablet area, the user's screen
// area, clipping, the pen-display calibration and a last clamp.
//
// The window thread changes the areas, the rotation and the calibration while
// the device thread maps; everything map() reads is one set under one lock,
// so a report is never mapped with half of an update.
class ScreenMapper {
 public:
  ScreenMapper();

  // In: millimetres on the tablet surface. Out: normalised desktop position.
  bool map(double& x, double& y);

  // The chosen monitor and the union of all monitors, in desktop pixels;
  // either may be empty, which keeps the monitor chosen before and only
  // re-reads the user's rectangles from the settings. Every rectangle is
  // first clamped to SaneGeometry's bounds.
  void setMapperArea(const QRect& screenRect = QRect(), const QRect& allScreenRect = QRect());
  void setRotationAngle(int angle);
  // Pen displays (19000 and above) load their stored calibration here.
  void setDeviceType(int deviceType);

  // Filled by the configuration script.
  void setDesktopRect(const QRectF& rect);
  // TabletArea sets the full surface and the mapped area to the same rectangle.
  void setTabletRect(const QRectF& rect);

  QRectF tabletRect() const;
  QRectF tabletArea() const;
  QRectF screenArea() const;
  QRectF desktopRect() const;
  int rotationAngle() const;
  int deviceType() const;
  QPointF lastInput() const;

  // The user's screen selection as a share of the settings window's screen
  // picture (0..1 on both axes): the bounds of relative mode.
  QRectF screenSelectionShare() const;

  // The correction in force and the screen it is computed on. Replaced as
  // one set with the coefficients' valid flag.
  CalibrationCalculationPoint calibration() const;
  void setCalibration(const CalibrationCalculationPoint& calibration);
  QRect calibrationScreen() const;

  // Pen-display calibration (ScreenMapperCalibration.cpp), on the window
  // thread. The targets for the display's rectangle; the correction is
  // suspended so that the taps are sampled through the plain mapping.
  void calculateCalibrationPointScreenPos(QRect& screenRect);
  // Records the pen position (millimetres) of a tapped target; after the
  // last target fits the correction and stores it for the current rotation.
  void onClickCalibrationPoint(int id, double mx, double my);
  // The factory correction of the current rotation, stored as well.
  void setDefalutCalibration();
  const CalibrationSession& calibrationSession() const { return m_calibrationSession; }

  // The monitor rectangles shared by every mapper of the process, (0, 0,
  // 1920, 1080) until setMapperArea() is first given two monitors.
  static QRect selectedScreen();
  static QRect allScreens();
  static void resetSharedScreens();

 private:
  struct Geometry {
    QRectF tabletRect;
    QRectF tabletArea;
    QRectF screenArea;
    QRectF desktop;
    QRectF tabletPreview;
    QRectF tabletSelection;
    QRectF screenPreview;
    QRectF screenSelection;
    QRect calibrationScreen;
    int rotation = 0;
    int deviceType = -1;
    CalibrationCalculationPoint calibration;
  };

  static void mapWith(const Geometry& g, double& x, double& y);
  // The mapping with the calibration switched off, for fitting it.
  void mapUncorrected(double& x, double& y);
  void storeCalibration(const CalibrationCalculationPoint& calibration);
  void loadCalibration(int angle);

  mutable std::mutex m_lock;
  Geometry m_geometry;
  QPointF m_lastInput;
  CalibrationSession m_calibrationSession;
};
