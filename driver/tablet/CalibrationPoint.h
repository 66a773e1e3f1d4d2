#pragma once

#include <QWidget>

// The cross-hair target of the calibration window: a 120 × 120 red square
// with a cross and a small diagonal cross at its centre. Counts the taps it
// receives; each tap announces the number of the target just tapped.
class CalibrationPoint : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 120;

  explicit CalibrationPoint(QWidget* parent = nullptr);

  int currentPoint() const { return m_currentPoint; }
  void setCurrentPoint(int point) { m_currentPoint = point; }

 signals:
  void s_mouseRelease(int currentPoint);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int m_currentPoint = 0;
};
