#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// The small translucent label that names a tablet key's function for one
// second near the bottom of the screen the pen works on.
class HintWidget : public QWidget {
  Q_OBJECT

 public:
  explicit HintWidget(QWidget* parent = nullptr);

  static constexpr int kShowMs = 1000;
  static const char* const kStyleSheet;

  bool isHideHint() const { return m_hideHint; }
  QString text() const;
  QLabel* label() const { return m_label; }
  QTimer* hideTimer() const { return m_hideTimer; }

 public slots:
  void showHint(QString hintText);
  void setHideHint(bool isHideHint);
  // Centres the popup horizontally on `pos`, 150 pixels above its bottom.
  // The whole desktop of a multi-screen system means the primary screen.
  void moveHintTextPos(QRect& pos);

 private slots:
  void hideHint();

 private:
  QLabel* m_label;
  QTimer* m_hideTimer;
  bool m_hideHint = false;
};
