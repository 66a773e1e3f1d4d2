// Every key function: what it types or clicks on press and release, and the
// hint it shows, read from the real settings store.

#include "KeyRig.h"

#include "driver/core/MyQmlEnum.h"

#include <QCoreApplication>
#include <QTranslator>
#include <vector>

using namespace MyQmlEnum;

namespace {

struct HeldFunction {
  int function;
  const char* hint;
  std::vector<int> codes;
};

void PrintTo(const HeldFunction& held, std::ostream* out) { *out << "function " << held.function; }

class HeldWithKey : public KeyRig, public ::testing::WithParamInterface<HeldFunction> {};

INSTANTIATE_TEST_SUITE_P(
    Functions, HeldWithKey,
    ::testing::Values(HeldFunction{ECanvasZoomIn, "画布放大", {0x11, 0xBB}},
                      HeldFunction{ECanvasZoomOut, "画布缩小", {0x11, 0xBD}},
                      HeldFunction{EBrushZoomIn, "笔刷放大", {0xDD}}, HeldFunction{EBrushZoomOut, "笔刷缩小", {0xDB}},
                      HeldFunction{ENewCanvas, "新建画布", {0x11, 0x4E}}, HeldFunction{ESave, "保存", {0x11, 0x53}},
                      HeldFunction{EStepBack, "后退一步", {0x12, 0x11, 0x5A}},
                      HeldFunction{EStepForward, "前进一步", {0x10, 0x11, 0x5A}},
                      HeldFunction{EUndo, "撤销", {0x11, 0x5A}}, HeldFunction{EStraw, "吸管", {0x12}},
                      HeldFunction{EHandGripTool, "抓手", {0x20}}, HeldFunction{EPenTool, "笔", {0x42}},
                      HeldFunction{EEraserTool, "橡皮擦", {0x45}},
                      HeldFunction{EShowDesktop, "显示桌面", {0x5C, 0x44}},
                      HeldFunction{ESwitchScreen, "切换显示器", {0x5C, 0x50}}));

QStringList texts(const std::vector<int>& codes, const char* direction) {
  QStringList result;
  for (int code : codes)
    result << QStringLiteral("0x%1 %2").arg(QString::number(code, 16).toUpper().rightJustified(2, '0'), direction);
  return result;
}

}  // namespace

TEST_P(HeldWithKey, DownWithTheKeyUpWithItAndTheHintBothTimes) {
  const HeldFunction& held = GetParam();
  for (int key : {int(PenUpKey), int(K1), int(K10)}) {
    config()->setShortcutkeyEnum(key, held.function);
    input->clear();
    hints->clear();
    tablet->runKeyFunction(key, true);
    EXPECT_EQ(input->texts(), texts(held.codes, "down"));
    tablet->runKeyFunction(key, false);
    // Up with the key, then once more as the held set is emptied.
    EXPECT_EQ(input->texts(), texts(held.codes, "down") + texts(held.codes, "up") + texts(held.codes, "up"));
    EXPECT_EQ(hintTexts(), QStringList({held.hint, held.hint}));
  }
}

TEST_F(KeyRig, CanvasZoomInFollowsTheProgramInFront) {
  config()->setShortcutkeyEnum(K1, ECanvasZoomIn);
  KeyFunctionTable::setCanvasZoomInShortcut("[Ctrl]+[Plus]");
  tablet->runKeyFunction(K1, true);
  EXPECT_EQ(input->texts(), keys({0x11, 0x6B}, "down"));
}

TEST_F(KeyRig, MouseButtonsWheelAndDoubleClicks) {
  const struct {
    int function;
    const char* hint;
    QStringList events;
  } cases[] = {
      {EWheelDown, "滚轮向下", {"wheel -120", "wheel -120"}},
      {EWheelUp, "滚轮向上", {"wheel +120", "wheel +120"}},
      {ELeftMouseButton, "鼠标左键", {"left down", "left up"}},
      {ERightMouseButton, "鼠标右键", {"right down", "right up"}},
      {EMiddleMouseButton, "鼠标中键", {"middle down", "middle up"}},
      {EDoubleLeftClick, "左键双击", {"left down", "left up", "left down", "left up"}},
      {EDoubleRightClick, "右键双击", {"right down", "right up", "right down", "right up"}},
      {EDoubleMiddleClick, "中键双击", {"middle down", "middle up", "middle down", "middle up"}},
  };
  for (const auto& each : cases) {
    config()->setShortcutkeyEnum(K2, each.function);
    input->clear();
    hints->clear();
    tablet->runKeyFunction(K2, true);
    if (each.function >= EDoubleLeftClick) {
      EXPECT_TRUE(input->texts().isEmpty()) << "double clicks wait for the release";
    }
    tablet->runKeyFunction(K2, false);
    EXPECT_EQ(input->texts(), each.events) << each.hint;
    EXPECT_EQ(hintTexts(), QStringList({each.hint, each.hint}));
  }
}

TEST_F(KeyRig, PenEraserToggleAlternatesAndTheEraserKeyResetsIt) {
  config()->setShortcutkeyEnum(K1, EPenEraserTool);
  config()->setShortcutkeyEnum(K2, EEraserTool);
  click(K1);
  click(K1);
  click(K1);
  click(K2);
  click(K1);
  QStringList typed;
  for (const auto& event : input->events()) {
    if (event.pressed) typed << QString(QChar(event.code));
  }
  EXPECT_EQ(typed, QStringList({"E", "B", "E", "E", "B"}));
  EXPECT_EQ(hintTexts(),
            QStringList({"橡皮擦", "橡皮擦", "笔", "笔", "橡皮擦", "橡皮擦", "橡皮擦", "橡皮擦", "笔", "笔"}));
}

TEST_F(KeyRig, ProgramStartsDetachedOnPressAndIsNamedInTheHint) {
  config()->setShortcutkeyEnum(K3, EProgram);
  config()->setDisplayText(K3, "/opt/krita/bin/krita.appimage");
  click(K3);
  EXPECT_EQ(programs->started(), QStringList({"/opt/krita/bin/krita.appimage"}));
  EXPECT_EQ(hintTexts(), QStringList({"打开:krita", "打开:krita"}));
}

TEST_F(KeyRig, ShowDriverRaisesOurWindowOnPressOnly) {
  QSignalSpy shown(tablet.get(), &Tablet::showTabletDriver);
  config()->setShortcutkeyEnum(K1, EShowDriver);
  click(K1);
  EXPECT_EQ(shown.size(), 1);
  EXPECT_EQ(windows->raised(), QStringList({"Varnex_tablet_driver"}));
  EXPECT_EQ(hintTexts(), QStringList({"显示驱动控制面板", "显示驱动控制面板"}));
}

TEST_F(KeyRig, NoFunctionHotKeyAndUnknownValues) {
  config()->setShortcutkeyEnum(K1, EHotKey);
  config()->setShortcutkeyEnum(K2, 99);
  click(K1);
  click(K2);
  click(K11);  // no model has it: no function at all
  EXPECT_TRUE(input->texts().isEmpty());
  EXPECT_TRUE(hintTexts().isEmpty());
}

TEST_F(KeyRig, CustomShortcutNeedsExactlyNameAndShortcut) {
  config()->setShortcutkeyEnum(K1, ECusShortcutkey);
  config()->setDisplayText(K1, "Undo it#[Ctrl]+[Z]");
  tablet->runKeyFunction(K1, true);
  EXPECT_EQ(input->texts(), keys({0x11, 0x5A}, "down"));
  tablet->runKeyFunction(K1, false);
  config()->setDisplayText(K1, "#[Ctrl]+[Z]");
  click(K1);
  EXPECT_EQ(hintTexts(), QStringList({"Undo it", "Undo it", "[Ctrl]+[Z]", "[Ctrl]+[Z]"}));

  input->clear();
  hints->clear();
  for (const char* wrong : {"[Ctrl]+[Z]", "a#b#c", ""}) {
    config()->setDisplayText(K1, wrong);
    click(K1);
  }
  EXPECT_TRUE(input->texts().isEmpty());
  EXPECT_TRUE(hintTexts().isEmpty());
}

namespace {
// Marks every text it is asked for in the context "Tablet".
class MarkingTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    return QByteArray(context) == "Tablet" ? QStringLiteral("<%1>").arg(QString::fromUtf8(source)) : QString();
  }
  bool isEmpty() const override { return false; }
};
}  // namespace

TEST_F(KeyRig, FixedHintsAreTranslatedAtRunTimeUserTextsAreNot) {
  MarkingTranslator translator;
  QCoreApplication::installTranslator(&translator);
  config()->setShortcutkeyEnum(K1, EProgram);
  config()->setDisplayText(K1, "/usr/bin/gimp");
  config()->setShortcutkeyEnum(K2, ECusShortcutkey);
  config()->setDisplayText(K2, "Mine#[A]");
  config()->setShortcutkeyEnum(R1, ESwivelBrush);
  for (int entry = R2; entry <= R6; ++entry) config()->setShortcutkeyEnum(entry, ENoEffect);
  config()->setCurrentSwivelKey(R1);
  tablet->runKeyFunction(K1, true);
  tablet->runKeyFunction(K2, true);
  tablet->runKeyFunction(RCenterKey, false);
  tablet->runKeyFunction(RTurnRight, true);
  QCoreApplication::removeTranslator(&translator);
  EXPECT_EQ(hintTexts(), QStringList({"<打开:%1>", "Mine", "R1:<笔刷大小>", "<笔刷放大>"}).replaceInStrings("%1", "gimp"));
}
