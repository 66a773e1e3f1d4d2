#include "driver/tablet/CalibrationPoint.h"
#include "driver/tablet/CalibrationWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class CalibrationWindow : public testing::Test {
 protected:
  void SetUp() override {
    window.resize(1920, 1080);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void tapTarget() {
    QTest::mouseClick(window.target(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
  }

  CalibrationWidget window;
};

TEST_F(CalibrationWindow, ButtonsAndHintLookAsDesigned) {
  EXPECT_EQ(window.recalibrateButton()->text(), QString::fromUtf8("重新校准"));
  EXPECT_EQ(window.exitButton()->text(), QString::fromUtf8("退出"));
  EXPECT_EQ(window.recalibrateButton()->size(), QSize(140, 30));
  EXPECT_EQ(window.exitButton()->size(), QSize(140, 30));
  // Stacked, 20 apart, in the lower half and centred horizontally.
  const QRect recal = window.recalibrateButton()->geometry();
  const QRect exit = window.exitButton()->geometry();
  EXPECT_EQ(exit.top() - recal.bottom() - 1, 20);
  EXPECT_EQ(recal.left(), exit.left());
  EXPECT_NEAR(recal.center().x(), 960, 2);
  EXPECT_GT(recal.top(), 540);
  EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
  EXPECT_EQ(window.hintLabel()->styleSheet(),
            QString::fromUtf8("font: 14pt \"Microsoft YaHei\";") + QString(29, ' ') + "color: rgb(226, 0, 0);");
}

TEST_F(CalibrationWindow, TargetsComeInTapOrderAndEachTapIsAnnounced) {
  QSignalSpy clicks(&window, &CalibrationWidget::s_clickCalibration);
  window.startCalibration();
  ASSERT_NE(window.target(), nullptr);
  EXPECT_EQ(window.target()->size(), QSize(120, 120));

  // Corners 140 from the edges, the centre last; cross-hair = corner + 60.
  const QPoint expected[] = {QPoint(140, 140), QPoint(1660, 140), QPoint(1660, 820), QPoint(140, 820),
                             QPoint(900, 480)};
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(window.target()->isVisible()) << i;
    EXPECT_EQ(window.target()->pos(), expected[i]) << i;
    EXPECT_EQ(window.hintLabel()->text(), QString::fromUtf8("请点击十字准星"));
    // The hint is centred under the target.
    const QRect hint = window.hintLabel()->geometry();
    EXPECT_EQ(hint.top(), expected[i].y() + 120);
    EXPECT_NEAR(hint.center().x(), expected[i].x() + 60, 1);
    tapTarget();
  }
  ASSERT_EQ(clicks.count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(clicks.at(i).at(0).toInt(), i);
  EXPECT_FALSE(window.target()->isVisible());
  EXPECT_EQ(window.hintLabel()->text(), QString::fromUtf8("校准已完成"));
  EXPECT_NEAR(window.hintLabel()->geometry().center().x(), 960, 1);
  EXPECT_NEAR(window.hintLabel()->geometry().center().y(), 540, 1);
}

TEST_F(CalibrationWindow, RecalibrateStartsOverHalfWay) {
  QSignalSpy clicks(&window, &CalibrationWidget::s_clickCalibration);
  window.startCalibration();
  tapTarget();
  tapTarget();
  QTest::mouseClick(window.recalibrateButton(), Qt::LeftButton);
  EXPECT_EQ(window.target()->pos(), QPoint(140, 140));
  EXPECT_EQ(window.target()->currentPoint(), 0);
  for (int i = 0; i < 5; ++i) tapTarget();
  ASSERT_EQ(clicks.count(), 7);
  EXPECT_EQ(clicks.at(2).at(0).toInt(), 0);
  EXPECT_EQ(clicks.at(6).at(0).toInt(), 4);
  EXPECT_FALSE(window.target()->isVisible());
}

TEST_F(CalibrationWindow, EscapeAndExitHideTheWindow) {
  window.startCalibration();
  window.activateWindow();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  window.show();
  QTest::mouseClick(window.exitButton(), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(CalibrationWindow, ShortHintFormsCentreTheLabel) {
  window.moveHintText(QStringLiteral("abc"));
  const int width = QFontMetrics(window.hintLabel()->font()).horizontalAdvance("abc");
  EXPECT_EQ(window.hintLabel()->size(), QSize(width, 40));
  EXPECT_EQ(window.hintLabel()->pos(), QPoint((1920 - width) / 2, (1080 - 40) / 2));
  // x alone still places the label (y = 0 is a real row).
  window.moveHintText(QStringLiteral("abc"), 500);
  EXPECT_EQ(window.hintLabel()->pos(), QPoint(500 - (width - 120) / 2, 0));
}

TEST(CalibrationPointTest, PaintsARedSquareWithADarkCrossAtItsCentre) {
  CalibrationPoint point;
  EXPECT_EQ(point.size(), QSize(120, 120));
  const QImage image = point.grab().toImage();
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(115, 115), QColor(Qt::red));
  EXPECT_LT(image.pixelColor(60, 60).red(), 100);
  EXPECT_LT(image.pixelColor(35, 60).red(), 100);
  EXPECT_LT(image.pixelColor(60, 85).red(), 100);
  EXPECT_EQ(image.pixelColor(20, 60), QColor(Qt::red));  // the cross stops at 30
}

TEST(CalibrationPointTest, CountsItsTaps) {
  CalibrationPoint point;
  QSignalSpy released(&point, &CalibrationPoint::s_mouseRelease);
  QTest::mouseClick(&point, Qt::LeftButton);
  QTest::mouseClick(&point, Qt::LeftButton);
  ASSERT_EQ(released.count(), 2);
  EXPECT_EQ(released.at(1).at(0).toInt(), 1);
  EXPECT_EQ(point.currentPoint(), 2);
}

}  // namespace
