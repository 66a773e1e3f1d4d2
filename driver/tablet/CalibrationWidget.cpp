#include "driver/tablet/CalibrationWidget.h"

#include "driver/tablet/CalibrationPoint.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int kButtonWidth = 140;
constexpr int kButtonHeight = 30;
constexpr int kHintHeight = 40;
}  // namespace

CalibrationWidget::CalibrationWidget(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::BlankCursor);

  m_hintLabel = new QLabel(this);
  m_hintLabel->setStyleSheet(QStringLiteral(
      "font: 14pt \"Microsoft YaHei\";                             color: rgb(226, 0, 0);"));

  m_recalibrateButton = new QPushButton(tr("重新校准"), this);
  m_exitButton = new QPushButton(tr("退出"), this);
  m_recalibrateButton->setFixedSize(kButtonWidth, kButtonHeight);
  m_exitButton->setFixedSize(kButtonWidth, kButtonHeight);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(20);
  buttons->addStretch(5);
  buttons->addWidget(m_recalibrateButton);
  buttons->addWidget(m_exitButton);
  buttons->addStretch(1);
  auto* row = new QHBoxLayout(this);
  row->addStretch();
  row->addLayout(buttons);
  row->addStretch();

  connect(m_recalibrateButton, &QPushButton::clicked, this, &CalibrationWidget::startCalibration);
  connect(m_exitButton, &QPushButton::clicked, this, &QWidget::hide);

  // Escape leaves wherever the focus is, as the pen display may not have it.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::ApplicationShortcut);
  escape->setEnabled(true);
  connect(escape, &QShortcut::activated, m_exitButton, &QPushButton::click);
}

void CalibrationWidget::startCalibration() {
  if (!m_target) {
    m_target = new CalibrationPoint(this);
    connect(m_target, &CalibrationPoint::s_mouseRelease, this, &CalibrationWidget::changeCalibPointPos);
  }
  m_target->setCurrentPoint(0);

  const int w = m_target->width();
  const int h = m_target->height();
  const int right = width() - kEdgeGap - w;
  const int bottom = height() - kEdgeGap - h;
  const QPoint first(kEdgeGap, kEdgeGap);
  m_pendingPositions.clear();
  m_pendingPositions << QPoint((width() - w) / 2, (height() - h) / 2) << QPoint(kEdgeGap, bottom)
                     << QPoint(right, bottom) << QPoint(right, kEdgeGap);

  m_target->move(first);
  m_target->show();
  m_target->raise();
  moveHintText(tr("请点击十字准星"), first.x(), first.y() + CalibrationPoint::kSize);
}

void CalibrationWidget::changeCalibPointPos(int currentPoint) {
  emit s_clickCalibration(currentPoint);
  if (!m_target) return;
  if (m_pendingPositions.isEmpty()) {
    m_target->hide();
    moveHintText(tr("校准已完成"));
    return;
  }
  const QPoint next = m_pendingPositions.takeLast();
  m_target->move(next);
  moveHintText(tr("请点击十字准星"), next.x(), next.y() + CalibrationPoint::kSize);
}

void CalibrationWidget::moveHintText(const QString& text, int x, int y) {
  m_hintLabel->setText(text);
  m_hintLabel->ensurePolished();
  const int labelWidth = QFontMetrics(m_hintLabel->font()).horizontalAdvance(text);
  m_hintLabel->resize(labelWidth, kHintHeight);
  if (x == 0 && y == 0) {
    m_hintLabel->move((width() - labelWidth) / 2, (height() - kHintHeight) / 2);
  } else {
    m_hintLabel->move(x - (labelWidth - CalibrationPoint::kSize) / 2, y);
  }
  m_hintLabel->show();
}
