// The settings window with its real QML, against the real settings store and
// device thread: what each control stores and sends, and that what it shows
// is what the store holds.

#include "WindowHarness.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "driver/output/PressureCurve.h"
#include "driver/output/VMultiDigitizer.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QMetaEnum>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {

using namespace MyQmlEnum;

class Window : public ::testing::Test {
 protected:
  // Every test starts from a fresh installation, in the source language.
  void SetUp() override { ASSERT_TRUE(harness.showFresh()) << harness.errors.toStdString(); }
  void TearDown() override { EXPECT_TRUE(harness.errors.isEmpty()) << harness.errors.toStdString(); }

  QQuickItem* item(const char* name) {
    QQuickItem* found = harness.item(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QPoint centre(QQuickItem* it) { return it->mapToScene(QPointF(it->width() / 2, it->height() / 2)).toPoint(); }
  void click(QQuickItem* it) {
    QTest::mouseClick(harness.window(), Qt::LeftButton, Qt::NoModifier, centre(it));
    harness.settle(20);
  }
  // A press at `from`, moves in steps to `to`, and a release there.
  void drag(QPoint from, QPoint to) {
    QWindow* w = harness.window();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 8; ++step) QTest::mouseMove(w, from + (to - from) * step / 8, 5);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
    harness.settle(20);
  }
  void showPage(int page) {
    harness.root()->setProperty("currentPage", page);
    harness.settle(250);
  }
  QRect rectOf(const char* name) {
    QQuickItem* it = item(name);
    return QRect(qRound(it->x()), qRound(it->y()), qRound(it->width()), qRound(it->height()));
  }

  WindowHarness harness;
};

TEST_F(Window, IsTheFramelessDriverWindowThatHidesWhenClosedAndShowsOnRequest) {
  QQuickWindow* w = harness.window();
  EXPECT_EQ(w->title(), "Varnex_tablet_driver");
  EXPECT_TRUE(w->flags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(w->isVisible()) << "without --hidden the window shows when loaded";
  w->close();
  harness.settle(20);
  EXPECT_FALSE(w->isVisible());
  ASSERT_EQ(harness.engine().rootObjects().size(), 1) << "closing must not destroy the window";
  emit harness.operateDev().showTabletDriver();
  harness.settle(20);
  EXPECT_TRUE(w->isVisible());
}

TEST_F(Window, EnumerationsHaveTheNativeValues) {
  // Every native enumerator must be reachable by name from the window with
  // the same number; stored settings hold these numbers.
  QString values;
  const QMetaObject& meta = MyQmlEnum::staticMetaObject;
  QList<QPair<QString, int>> expected;
  for (int e = 0; e < meta.enumeratorCount(); ++e) {
    const QMetaEnum en = meta.enumerator(e);
    for (int k = 0; k < en.keyCount(); ++k) {
      if (en.value(k) < 0) continue;  // "no model" is -1 in the window's code
      expected << qMakePair(QString::fromLatin1(en.key(k)), en.value(k));
      values += QStringLiteral("\"%1\": MyQmlEnum.%1,\n").arg(QString::fromLatin1(en.key(k)));
    }
  }
  QQmlComponent component(&harness.engine());
  component.setData(("import QtQuick 2.15\nQtObject { property var values: ({" + values + "}) }").toUtf8(),
                    QUrl("qrc:/Qml/EnumProbe.qml"));
  std::unique_ptr<QObject> probe(component.create());
  ASSERT_TRUE(probe) << component.errorString().toStdString();
  const QVariantMap got = probe->property("values").toMap();
  for (const auto& [key, value] : expected) EXPECT_EQ(got.value(key).toInt(), value) << key.toStdString();
  EXPECT_EQ(got.size(), expected.size());
}

TEST_F(Window, RelativeModeEnablesThePointerSpeedAndAbsoluteDisablesIt) {
  ASSERT_TRUE(harness.arrive(CFG_LarkC));
  QQuickItem* slider = item("speedSlider");
  EXPECT_FALSE(slider->isEnabled()) << "absolute by default";
  click(item("relativeMode"));
  EXPECT_TRUE(slider->isEnabled());
  EXPECT_EQ(harness.config().getCoordinateModel(), Aelatively);
  EXPECT_TRUE(harness.device().digitizer()->relativeModel());
  EXPECT_EQ(harness.operateDev().count("setRelativeModel(1)"), 1);

  // Moving the slider sends while it moves and stores when let go.
  const QPoint start = slider->mapToScene(QPointF(8, slider->height() / 2)).toPoint();
  const QPoint end = slider->mapToScene(QPointF(slider->width() - 8, slider->height() / 2)).toPoint();
  drag(start, end);
  EXPECT_DOUBLE_EQ(harness.config().getMouseRate(), 1.0);
  EXPECT_GE(harness.operateDev().count("setMouseRate"), 1);

  click(item("absoluteMode"));
  EXPECT_FALSE(slider->isEnabled());
  EXPECT_EQ(harness.config().getCoordinateModel(), Absolute);
  EXPECT_FALSE(harness.device().digitizer()->relativeModel());
}

TEST_F(Window, CurveEditorStoresAndSendsThreePointsOncePerReleaseAndResetRestoresTheIdentity) {
  ASSERT_TRUE(harness.arrive(CFG_VarnexK10PlusV2));
  QQuickItem* editor = item("curveEditor");
  QQuickItem* mid = item("anchor_mid");
  const QPoint to = editor->mapToScene(QPointF(editor->width() * 0.75, editor->height() * 0.75)).toPoint();
  drag(centre(mid), to);
  EXPECT_EQ(harness.operateDev().count("setPressureCurvePoint"), 1);
  const QPointF stored = harness.config().getPenPressedCurvePoint(MidPoint);
  EXPECT_NEAR(stored.x(), 0.75, 0.03);
  EXPECT_NEAR(stored.y(), 0.25, 0.03);
  EXPECT_EQ(harness.config().getPenPressedCurvePoint(TopPoint), QPointF(1, 1));
  EXPECT_EQ(harness.config().getPenPressedCurvePoint(BottomPoint), QPointF(0, 0));
  // The running device got the same curve: half pressure now comes out lower.
  EXPECT_LT(harness.device().digitizer()->pressureCurve().evaluate(0.5f), 0.45f);

  // The top point only moves up and down: the curve keeps its end at full input.
  drag(centre(item("anchor_top")), editor->mapToScene(QPointF(editor->width() * 0.5, editor->height() * 0.2)).toPoint());
  EXPECT_DOUBLE_EQ(harness.config().getPenPressedCurvePoint(TopPoint).x(), 1.0);
  EXPECT_NEAR(harness.config().getPenPressedCurvePoint(TopPoint).y(), 0.8, 0.03);
  EXPECT_EQ(harness.operateDev().count("setPressureCurvePoint"), 2);

  click(item("curveReset"));
  EXPECT_EQ(harness.config().getPenPressedCurvePoint(TopPoint), QPointF(1, 1));
  EXPECT_EQ(harness.config().getPenPressedCurvePoint(MidPoint), QPointF(0.5, 0.5));
  EXPECT_EQ(harness.config().getPenPressedCurvePoint(BottomPoint), QPointF(0, 0));
  EXPECT_FLOAT_EQ(harness.device().digitizer()->pressureCurve().evaluate(0.3f), 0.3f);
  EXPECT_EQ(harness.operateDev().calls.last(), "setPressureCurvePoint(1,1 0.5,0.5 0,0)");
}

TEST_F(Window, RectangleDragsStoreOncePerReleaseAndStayInsideThePictures) {
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  showPage(1);
  const QRect box = harness.config().getRectSize(MaxVirtualTablet);
  ASSERT_GT(box.width(), 100);
  EXPECT_EQ(rectOf("tabletRect"), box) << "no stored area: the whole tablet";

  // Pull the top-left corner far past the picture's corner and in again.
  QQuickItem* corner = harness.item("handle_topLeft", item("tabletRect"));
  const int before = harness.operateDev().count("setMapperArea()");
  drag(centre(corner), centre(corner) + QPoint(60, 40));
  EXPECT_EQ(harness.operateDev().count("setMapperArea()"), before + 1);
  QRect stored = harness.config().getRectSize(DynamicRectTablet);
  EXPECT_EQ(stored, rectOf("tabletRect"));
  EXPECT_EQ(stored.right(), box.right());
  EXPECT_NEAR(stored.x(), 60, 2);

  // Moving the body far past the top-left corner keeps it inside.
  QQuickItem* body = item("tabletRect");
  drag(centre(body), centre(body) - QPoint(250, 150));
  stored = harness.config().getRectSize(DynamicRectTablet);
  EXPECT_EQ(stored.topLeft(), QPoint(0, 0));
  EXPECT_EQ(stored.size(), QSize(box.width() - 60, box.height() - 40));
  EXPECT_EQ(harness.operateDev().count("setMapperArea()"), before + 2);
  // A drag that cannot move it any further changes and sends nothing.
  drag(centre(body), centre(body) - QPoint(50, 50));
  EXPECT_EQ(harness.operateDev().count("setMapperArea()"), before + 2);

  // The screen area stays inside the 300 x 168 picture.
  QQuickItem* screen = item("screenRect");
  QQuickItem* screenCorner = harness.item("handle_bottomRight", screen);
  drag(centre(screenCorner), centre(screenCorner) - QPoint(150, 84));
  EXPECT_EQ(harness.config().getRectSize(DynamicRectScreen), QRect(0, 0, 150, 84));
  drag(centre(screenCorner), centre(screenCorner) + QPoint(400, 400));
  EXPECT_EQ(harness.config().getRectSize(DynamicRectScreen), QRect(0, 0, 300, 168));
  EXPECT_EQ(harness.operateDev().count("setMapperArea()"), before + 4);
}

TEST_F(Window, RotationTurnsThePictureAndTheTabletArea) {
  ASSERT_TRUE(harness.arrive(CFG_VarnexK10PlusV2));
  showPage(1);
  const QRect box0 = harness.config().getRectSize(MaxVirtualTablet);
  // The left half of the tablet.
  const QRect leftHalf(0, 0, box0.width() / 2, box0.height());
  harness.config().setRectSize(DynamicRectTablet, leftHalf);
  emit harness.tablet().devStateChanged(true, CFG_VarnexK10PlusV2);
  harness.settle(20);

  click(item("rotation90"));
  EXPECT_EQ(harness.config().getRotationAngle(), 90);
  EXPECT_EQ(harness.operateDev().calls.filter("setRotationAngle").last(), "setRotationAngle(90)");
  const QRect box90 = harness.config().getRectSize(MaxVirtualTablet);
  EXPECT_GT(box90.height(), box90.width()) << "a tablet turned a quarter stands upright";
  // Turned clockwise, the tablet's left half is the upper half of the picture.
  const QRect turned = harness.config().getRectSize(DynamicRectTablet);
  EXPECT_EQ(turned.x(), 0);
  EXPECT_EQ(turned.y(), 0);
  EXPECT_EQ(turned.width(), box90.width());
  EXPECT_NEAR(turned.height(), box90.height() / 2, 1);
  EXPECT_EQ(rectOf("tabletRect"), turned);

  click(item("rotation270"));
  const QRect box270 = harness.config().getRectSize(MaxVirtualTablet);
  const QRect back = harness.config().getRectSize(DynamicRectTablet);
  EXPECT_NEAR(back.y() + back.height(), box270.height(), 1) << "the left half is now the lower half";
  click(item("rotation0"));
  EXPECT_EQ(harness.config().getRectSize(DynamicRectTablet), leftHalf);
}

TEST_F(Window, ChoosingAThemeRestylesTheWindowAndStoresIt) {
  QQuickItem* navigation = item("navPen");
  QQuickItem* background = navigation->property("background").value<QQuickItem*>();
  ASSERT_NE(background, nullptr);
  const QColor before = background->property("color").value<QColor>();
  QObject* popup = harness.root()->findChild<QObject*>("skinPopup");
  ASSERT_NE(popup, nullptr);
  QMetaObject::invokeMethod(popup, "choose", Q_ARG(QVariant, 0));  // Red
  harness.settle(300);
  EXPECT_NE(background->property("color").value<QColor>(), before);
  EXPECT_EQ(harness.config().getSkinIndex(), 0);
}

TEST_F(Window, ChoosingALanguageRetranslatesTheWindowAndStoresIt) {
  QQuickItem* navigation = item("navPen");
  harness.trans().reTrans(QStringLiteral("中文"));
  harness.settle(20);
  EXPECT_EQ(navigation->property("text").toString(), "笔设置");
  QObject* popup = harness.root()->findChild<QObject*>("languagePopup");
  ASSERT_NE(popup, nullptr);
  QMetaObject::invokeMethod(popup, "choose", Q_ARG(QVariant, QStringLiteral("English")));
  harness.settle(20);
  EXPECT_EQ(navigation->property("text").toString(), "Pen settings");
  EXPECT_EQ(harness.config().getLanguage(), "English");
}

TEST_F(Window, EachArrivalShowsTheValuesStoredForThatModel) {
  // Lark C: relative mode, a bent curve, Windows Ink off, the upper button middle click.
  ASSERT_TRUE(harness.arrive(CFG_LarkC));
  ConfigFile& config = harness.config();
  config.setCoordinateModel(Aelatively);
  config.setPenPressedCurve(QPointF(1, 0.9), QPointF(0.3, 0.7), QPointF(0, 0.1));
  config.setWinLnk(false);
  config.setComboxIndex(PenUpKey, 3);
  config.setShortcutkeyEnum(PenUpKey, EMiddleMouseButton);
  config.setRotationAngle(180);
  // Fjord 3&4: everything at its default.
  ASSERT_TRUE(harness.arrive(CFG_Fjord4));
  QQuickItem* curve = item("curveEditor");
  EXPECT_FALSE(item("relativeMode")->property("checked").toBool());
  EXPECT_TRUE(item("windowsInk")->property("checked").toBool());
  EXPECT_EQ(curve->property("midPoint").toPointF(), QPointF(0.5, 0.5));
  EXPECT_EQ(item("penUpKey")->property("currentText").toString(), "鼠标右键");
  EXPECT_EQ(item("penDownKey")->property("currentText").toString(), "笔/橡皮擦");
  EXPECT_TRUE(item("rotation0")->property("checked").toBool());
  showPage(1);
  EXPECT_TRUE(item("calibrate")->isVisible()) << "a pen display offers calibration";
  showPage(0);

  ASSERT_TRUE(harness.arrive(CFG_LarkC));
  EXPECT_TRUE(item("relativeMode")->property("checked").toBool());
  EXPECT_FALSE(item("windowsInk")->property("checked").toBool());
  EXPECT_EQ(curve->property("midPoint").toPointF(), QPointF(0.3, 0.7));
  EXPECT_EQ(curve->property("bottomPoint").toPointF(), QPointF(0, 0.1));
  EXPECT_EQ(item("penUpKey")->property("currentText").toString(), "鼠标中键");
  EXPECT_TRUE(item("rotation180")->property("checked").toBool());
  EXPECT_TRUE(item("speedSlider")->isEnabled());
  showPage(1);
  EXPECT_FALSE(item("calibrate")->isVisible()) << "calibration is for pen displays only";
  // The device got the stored rotation when it started.
  EXPECT_EQ(harness.operateDev().calls.filter("setRotationAngle").last(), "setRotationAngle(180)");
}

// The window takes the pen display's screen from the driver, which knows it
// by the monitor's name: an ordinary monitor on an HDMI connector is not it.
TEST_F(Window, APenDisplayMapsOntoTheScreenTheDriverFoundForIt) {
  harness.screens().setScreenNames({"ALL SCREEN", "HDMI-1 DELL U2720Q", "DP-2 "});
  harness.screens().setPenDisplayScreenName("DP-2 ");
  ASSERT_TRUE(harness.arrive(CFG_Fjord5));
  harness.config().setComboxIndex(ScreenCombox, 1);
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  harness.config().setComboxIndex(ScreenCombox, 1);
  ASSERT_TRUE(harness.arrive(CFG_Fjord5));
  showPage(1);
  EXPECT_EQ(item("screenChoice")->property("currentIndex").toInt(), 2);
  EXPECT_EQ(harness.config().getComboxIndex(ScreenCombox), 2);

  // A pen tablet keeps the screen the user chose.
  harness.screens().setPenDisplayScreenName("");
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  showPage(1);
  EXPECT_EQ(item("screenChoice")->property("currentIndex").toInt(), 1);
  showPage(0);
}

TEST_F(Window, PenButtonsStoreTheirFunctionAndADialogRowThatIsRefusedChangesNothing) {
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  QQuickItem* up = item("penUpKey");
  QMetaObject::invokeMethod(up, "activated", Q_ARG(int, 4));  // eraser
  harness.settle(10);
  EXPECT_EQ(harness.config().getShortcutkeyEnum(PenUpKey), EEraserTool);
  EXPECT_EQ(harness.config().getComboxIndex(PenUpKey), 4);
  // "程序" needs the program dialog; cancelled, the key keeps its function.
  QMetaObject::invokeMethod(up, "activated", Q_ARG(int, PenExe));
  harness.settle(10);
  QObject* programDialog = harness.root()->findChild<QObject*>("programDialog");
  ASSERT_NE(programDialog, nullptr);
  EXPECT_TRUE(programDialog->property("visible").toBool());
  QMetaObject::invokeMethod(programDialog, "cancel");
  // Gone only once its closing transition is over; until then it takes the
  // clicks meant for the page.
  for (int waited = 0; waited < 5000 && programDialog->property("visible").toBool(); waited += 10) harness.settle(10);
  ASSERT_FALSE(programDialog->property("visible").toBool());
  EXPECT_EQ(harness.config().getShortcutkeyEnum(PenUpKey), EEraserTool);
  EXPECT_EQ(up->property("currentIndex").toInt(), 4);

  click(item("penDefaults"));
  EXPECT_EQ(harness.config().getShortcutkeyEnum(PenUpKey), ERightMouseButton);
  EXPECT_EQ(harness.config().getShortcutkeyEnum(PenDownKey), EPenEraserTool);
  EXPECT_EQ(up->property("currentText").toString(), "鼠标右键");
}

TEST_F(Window, WithoutATabletTheKeyPageIsClosedAndTheModelBarSaysSo) {
  EXPECT_FALSE(item("navKeys")->isEnabled());
  EXPECT_EQ(item("modelName")->property("text").toString(), "没有识别到设备！");
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  EXPECT_TRUE(item("navKeys")->isEnabled());
  EXPECT_EQ(item("modelName")->property("text").toString(), "Mesa A");
  ASSERT_TRUE(harness.arrive(CFG_LarkD1));
  EXPECT_FALSE(item("navKeys")->isEnabled()) << "the Lark D1 has no express keys";
  harness.leave();
  EXPECT_FALSE(item("tabletFrame")->isVisible());
}

}  // namespace
