// The dial: turns run the current roller entry's function, a short press of
// the centre key steps to the next entry with a function.

#include "KeyRig.h"

#include "driver/core/MyQmlEnum.h"

using namespace MyQmlEnum;

namespace {

struct RollerFunction {
  int function;
  const char* centreName;
  const char* rightHint;
  QStringList rightEvents;
  const char* leftHint;
  QStringList leftEvents;
};

void PrintTo(const RollerFunction& roller, std::ostream* out) { *out << "function " << roller.function; }

QStringList tap(QStringList codes) {
  QStringList down, up;
  for (const QString& code : codes) {
    down << code + " down";
    up << code + " up";
  }
  return down + up;
}

class RollerTurn : public KeyRig, public ::testing::WithParamInterface<RollerFunction> {};

INSTANTIATE_TEST_SUITE_P(
    Functions, RollerTurn,
    ::testing::Values(
        RollerFunction{ESwivelWheel, "鼠标滚轮", "滚轮向下", {"wheel -120"}, "滚轮向上", {"wheel +120"}},
        RollerFunction{ESwivelCanvas, "画布大小", "画布放大", tap({"0x11", "0xBB"}), "画布缩小", tap({"0x11", "0xBD"})},
        RollerFunction{ESwivelBrush, "笔刷大小", "笔刷放大", tap({"0xDD"}), "笔刷缩小", tap({"0xDB"})},
        RollerFunction{ESwivelPage, "上下翻页", "下一页", tap({"0x22"}), "上一页", tap({"0x21"})},
        RollerFunction{ESwivelDirectionUpDown, "上下箭头", "下箭头", tap({"0x28"}), "上箭头", tap({"0x26"})},
        RollerFunction{ESwivelDirectionLeftRight, "左右箭头", "右箭头", tap({"0x27"}), "左箭头", tap({"0x25"})},
        RollerFunction{ESwivelStep, "前后步骤", "前进一步", tap({"0x10", "0x11", "0x5A"}), "后退一步",
                       tap({"0x12", "0x11", "0x5A"})},
        RollerFunction{ESwivelLayer, "上下图层", "下图层", tap({"0x11", "0xDB"}), "上图层", tap({"0x11", "0xDD"})},
        RollerFunction{EUndo, "撤销", "撤销", tap({"0x11", "0x5A"}), "撤销", tap({"0x11", "0x5A"})}));

}  // namespace

TEST_P(RollerTurn, RightAndLeftTapTheirShortcutsAndTheCentreOnlyNamesTheEntry) {
  const RollerFunction& roller = GetParam();
  config()->setShortcutkeyEnum(R1, ENoEffect);
  config()->setShortcutkeyEnum(R2, roller.function);
  config()->setCurrentSwivelKey(R2);

  tablet->runKeyFunction(RTurnRight, true);
  EXPECT_EQ(input->texts(), roller.rightEvents);
  input->clear();
  tablet->runKeyFunction(RTurnLeft, true);
  EXPECT_EQ(input->texts(), roller.leftEvents);
  input->clear();

  // Only a centre-key release reaches here (the decoder times the press); it
  // steps on from R2 past the empty entries and wraps to R2 again.
  for (int entry = R3; entry <= R6; ++entry) config()->setShortcutkeyEnum(entry, ENoEffect);
  tablet->runKeyFunction(RCenterKey, false);
  EXPECT_EQ(config()->getCurrentSwivelKey(), int(R2));
  // The taps joined the held set, so the release sends their key-ups once more.
  for (const QString& event : input->texts()) EXPECT_TRUE(event.endsWith(" up")) << event.toStdString();
  EXPECT_EQ(hintTexts(),
            QStringList({roller.rightHint, roller.leftHint, QStringLiteral("R2:") + roller.centreName}));
}

TEST_F(KeyRig, CentreKeyStepsFromR1ToTheNextEntryWithAFunction) {
  config()->setShortcutkeyEnum(R1, ESwivelWheel);
  config()->setShortcutkeyEnum(R2, ENoEffect);
  config()->setShortcutkeyEnum(R3, ESwivelBrush);
  config()->setCurrentSwivelKey(R1);
  tablet->runKeyFunction(RCenterKey, true);  // the press itself does nothing
  tablet->runKeyFunction(RCenterKey, false);
  EXPECT_EQ(config()->getCurrentSwivelKey(), int(R3));
  EXPECT_EQ(hintTexts(), QStringList({"R3:笔刷大小"}));
}

TEST_F(KeyRig, CustomRollerShortcutsNeedNameLeftAndRight) {
  config()->setShortcutkeyEnum(R1, ESwivelCusKey);
  config()->setCurrentSwivelKey(R1);
  config()->setDisplayText(R1, "Zoom#[Ctrl]+[-]#[Ctrl]+[=]");
  tablet->runKeyFunction(RTurnLeft, true);
  EXPECT_EQ(input->texts(), tap({"0x11", "0xBD"}));
  input->clear();
  tablet->runKeyFunction(RTurnRight, true);
  EXPECT_EQ(input->texts(), tap({"0x11", "0xBB"}));
  for (int entry = R2; entry <= R6; ++entry) config()->setShortcutkeyEnum(entry, ENoEffect);
  tablet->runKeyFunction(RCenterKey, false);
  config()->setDisplayText(R1, "#[A]#[B]");
  tablet->runKeyFunction(RCenterKey, false);
  config()->setDisplayText(R1, "Zoom#[A]");
  tablet->runKeyFunction(RTurnRight, true);
  EXPECT_EQ(hintTexts(), QStringList({"[Ctrl]+[-]", "[Ctrl]+[=]", "R1:Zoom", "R1:[A]/[B]"}));
}

TEST_F(KeyRig, ExpressKeysUseTheRollerFunctionsAsTheOtherDirection) {
  config()->setShortcutkeyEnum(K1, ESwivelPage);
  config()->setShortcutkeyEnum(K2, ESwivelWheel);
  tablet->runKeyFunction(K1, true);
  tablet->runKeyFunction(K2, true);
  EXPECT_EQ(input->texts(), tap({"0x21"}) + QStringList({"wheel +120"}));
  EXPECT_EQ(hintTexts(), QStringList({"上一页", "滚轮向上"}));
}
