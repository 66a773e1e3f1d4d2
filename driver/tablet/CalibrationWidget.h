#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

class CalibrationPoint;
class QLabel;
class QPushButton;

// The full-screen calibration window of a pen display: shows five targets one
// after the other and tells the device thread each time one is tapped. The
// pen's position at the tap is the sample; the cursor is hidden so that the
// user aims with the pen tip, not with the drawn pointer.
class CalibrationWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CalibrationWidget(QWidget* parent = nullptr);

  CalibrationPoint* target() const { return m_target; }
  QLabel* hintLabel() const { return m_hintLabel; }
  QPushButton* recalibrateButton() const { return m_recalibrateButton; }
  QPushButton* exitButton() const { return m_exitButton; }

 public slots:
  // Restarts the sequence at the first target.
  void startCalibration();
  void changeCalibPointPos(int currentPoint);
  void moveHintText(const QString& text, int x, int y);
  void moveHintText(const QString& text, int x) { moveHintText(text, x, 0); }
  void moveHintText(const QString& text) { moveHintText(text, 0, 0); }

 signals:
  void s_clickCalibration(int id);

 private:
  static constexpr int kEdgeGap = 140;

  CalibrationPoint* m_target = nullptr;
  // Top-left corners still to show, taken from the end.
  QVector<QPoint> m_pendingPositions;
  QLabel* m_hintLabel = nullptr;
  QPushButton* m_recalibrateButton = nullptr;
  QPushButton* m_exitButton = nullptr;
};
