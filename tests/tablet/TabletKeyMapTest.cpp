// Express keys and the dial through the decoder: every key map, run over each
// model whose script selects it, and the centre key's timing.

#include "TabletRig.h"

#include "driver/core/MyQmlEnum.h"

#include <vector>

using namespace MyQmlEnum;

namespace {

// A key report of the model's layout carrying `mask` (and `status`).
QByteArray keyReport(int devType, uint32_t mask, uint8_t status = 0) {
  QByteArray report(16, '\0');
  if (devType >= CFG_Fjord4Pro && devType != CFG_Fjord5) {
    report[1] = 'B';
    report[3] = char(mask & 0xFF);
    report[4] = char((mask >> 8) & 0xFF);
  } else if (devType >= CFG_Fjord1) {
    report[0] = 0x01;
    report[1] = char(status);
    report[2] = char((mask >> 8) & 0xFF);
    report[3] = char(mask & 0xFF);
  } else {
    report[0] = 0x02;
    report[1] = char(0xF0);
    report[2] = char(mask & 0xFF);
    report[3] = char((mask >> 8) & 0xFF);
  }
  return report.toHex(' ');
}

struct MaskKey {
  uint32_t mask;
  int key;
};

struct KeyMapCase {
  int devType;
  std::vector<MaskKey> keys;
};

void PrintTo(const KeyMapCase& keyMap, std::ostream* out) { *out << ModelTable::byDevType(keyMap.devType)->key; }

const std::vector<MaskKey> kEightAndDial = {{0x01, K1},        {0x02, K2},       {0x04, K3},        {0x08, K4},
                                            {0x10, K5},        {0x20, K6},       {0x40, K7},        {0x80, K8},
                                            {0x108, RTurnRight}, {0x208, RTurnLeft}};
const std::vector<MaskKey> kFjord4 = {{0x01, K1}, {0x02, K2}, {0x04, K3}, {0x08, K4},
                                      {0x10, K5}, {0x20, K6}, {0x40, K7}, {0x80, K8}};

class KeyMap : public ::testing::TestWithParam<KeyMapCase> {};

INSTANTIATE_TEST_SUITE_P(
    Models, KeyMap,
    ::testing::Values(KeyMapCase{CFG_VarnexK10PlusV2,
                                 {{0x001, K1}, {0x002, K2}, {0x004, K3}, {0x008, K4}, {0x010, K5},
                                  {0x020, K6}, {0x040, K7}, {0x080, K8}, {0x100, K9}, {0x200, K10}}},
                      KeyMapCase{CFG_VarnexK40V2, {{0x01, K3}, {0x02, K4}, {0x04, K1}, {0x08, K2}}},
                      KeyMapCase{CFG_LarkA,
                                 {{0x01, K8}, {0x02, K7}, {0x04, K6}, {0x08, K5},
                                  {0x10, K4}, {0x20, K3}, {0x40, K2}, {0x80, K1}}},
                      KeyMapCase{CFG_LarkB, {{0x01, K4}, {0x02, K2}, {0x04, K3}, {0x08, K1}, {0x10, K5}}},
                      KeyMapCase{CFG_LarkC, kEightAndDial}, KeyMapCase{CFG_LarkD2B, kEightAndDial},
                      KeyMapCase{CFG_LarkD3B, kEightAndDial}, KeyMapCase{CFG_MesaA, kEightAndDial},
                      KeyMapCase{CFG_MesaB, kEightAndDial}, KeyMapCase{CFG_Fjord2Pro, kEightAndDial},
                      KeyMapCase{CFG_Fjord4, kFjord4}, KeyMapCase{CFG_Fjord5, kFjord4}),
    [](const ::testing::TestParamInfo<KeyMapCase>& info) {
      return std::string(ModelTable::byDevType(info.param.devType)->key);
    });

}  // namespace

TEST_P(KeyMap, EachMaskPressesItsKeyAndMaskZeroReleasesIt) {
  TabletRig rig(GetParam().devType);
  int functionKey = 0x70;  // F1 ...
  for (const MaskKey& entry : GetParam().keys) {
    const QString shortcut = QStringLiteral("[F%1]").arg(functionKey - 0x6F);
    rig.holdWithKey(entry.key, QString::number(entry.key), shortcut);
    rig.keys->swivelKey = entry.key;  // the dial's turns run the current roller entry
    rig.input->clear();
    rig.hints->clear();

    EXPECT_EQ(rig.feed(keyReport(GetParam().devType, entry.mask).constData()), Tablet::Consumed);
    EXPECT_EQ(rig.tablet->pendingKey(), entry.key);
    EXPECT_EQ(rig.feed(keyReport(GetParam().devType, 0).constData()), Tablet::Consumed);
    EXPECT_EQ(rig.tablet->pendingKey(), 0);
    const QString code = QStringLiteral("0x%1").arg(functionKey, 2, 16).toUpper().replace("0X", "0x");
    EXPECT_EQ(rig.input->texts(), QStringList({code + " down", code + " up", code + " up"})) << entry.mask;
    ASSERT_EQ(rig.hints->size(), 2);
    EXPECT_EQ(rig.hints->at(0).at(0).toString(), QString::number(entry.key));
    ++functionKey;
  }
  // A mask the map does not know is a press of nothing new.
  rig.input->clear();
  EXPECT_EQ(rig.feed(keyReport(GetParam().devType, 0x4000).constData()), Tablet::Consumed);
  EXPECT_EQ(rig.tablet->pendingKey(), 0);
  EXPECT_TRUE(rig.input->texts().isEmpty());
}

TEST_P(KeyMap, DisabledShortcutsConsumeKeyReportsSilently) {
  TabletRig rig(GetParam().devType);
  const MaskKey first = GetParam().keys.front();
  rig.holdWithKey(first.key, "key", "[F1]");
  rig.holdWithKey(PenDownKey, "pen", "[F2]");
  rig.keys->disabled = true;
  EXPECT_EQ(rig.feed(keyReport(GetParam().devType, first.mask).constData()), Tablet::Consumed);
  EXPECT_EQ(rig.feed(keyReport(GetParam().devType, 0).constData()), Tablet::Consumed);
  EXPECT_TRUE(rig.input->texts().isEmpty());
  EXPECT_EQ(rig.hints->size(), 0);
}

TEST(KeyMapFjord4Pro, HighByteNamesTheKeyLowByteItsDirection) {
  TabletRig rig(CFG_Fjord4Pro);
  const MaskKey keys[] = {{0x01, K1}, {0x02, K2}, {0x04, K3}, {0x08, K4}, {0x10, K5}, {0x20, K6}};
  for (const MaskKey& entry : keys) {
    rig.holdWithKey(entry.key, QString::number(entry.key), "[F1]");
    rig.input->clear();
    rig.feed(keyReport(CFG_Fjord4Pro, (entry.mask << 8) | 1).constData());
    EXPECT_EQ(rig.tablet->pendingKey(), entry.key);
    EXPECT_EQ(rig.input->texts(), QStringList({"0x70 down"}));
    rig.feed(keyReport(CFG_Fjord4Pro, (entry.mask << 8) | 0).constData());
    EXPECT_EQ(rig.tablet->pendingKey(), 0);
    EXPECT_EQ(rig.input->texts(), QStringList({"0x70 down", "0x70 up", "0x70 up"}));
  }
}

TEST(KeyMapFjord4, DialTurnsComeAsStatusLetters) {
  for (int devType : {int(CFG_Fjord4), int(CFG_Fjord5)}) {
    TabletRig rig(devType);
    rig.keys->swivelKey = R1;
    rig.keys->functions[R1] = ESwivelPage;
    rig.feed(keyReport(devType, 0, 'b').constData());
    EXPECT_EQ(rig.tablet->pendingKey(), RTurnRight);
    rig.feed(keyReport(devType, 0, 0).constData());
    rig.feed(keyReport(devType, 0, 'a').constData());
    EXPECT_EQ(rig.tablet->pendingKey(), RTurnLeft);
    ASSERT_GE(rig.hints->size(), 3);
    EXPECT_EQ(rig.hints->at(0).at(0).toString(), QString::fromUtf8("下一页"));
    EXPECT_EQ(rig.hints->at(2).at(0).toString(), QString::fromUtf8("上一页"));
  }
}

TEST(KeyMapNone, ModelsWithoutKeysNeverRunAFunction) {
  for (int devType : {int(CFG_LarkD1), int(CFG_LarkD2), int(CFG_LarkD3), int(CFG_Fjord1), int(CFG_Fjord3),
                      int(CFG_Fjord5pro)}) {
    TabletRig rig(devType);
    for (int key = PenUpKey; key <= RCenterKey; ++key) rig.holdWithKey(key, "key", "[F1]");
    rig.keys->functions[NokeyDown] = -1;
    for (uint32_t mask : {0x01u, 0x100u, 0x101u, 0u}) rig.feed(keyReport(devType, mask).constData());
    EXPECT_EQ(rig.tablet->pendingKey(), 0);
    EXPECT_TRUE(rig.input->texts().isEmpty()) << devType;
  }
}

namespace {
qint64 s_now = 0;
qint64 testClock() { return s_now; }
}  // namespace

TEST(CentreKey, ShortPressStepsTheDialLongPressIsLeftToTheController) {
  Tablet::setClock(&testClock);
  for (int devType : {int(CFG_Fjord4), int(CFG_LarkC)}) {
    TabletRig rig(devType);
    const uint32_t centre = devType == CFG_Fjord4 ? 0x100 : 0x308;
    rig.keys->functions[R1] = ESwivelWheel;
    rig.keys->functions[R2] = ESwivelBrush;

    s_now = 10000;
    rig.feed(keyReport(devType, centre).constData());
    s_now += 500;
    rig.feed(keyReport(devType, 0).constData());
    EXPECT_EQ(rig.keys->swivelKey, int(R2));
    ASSERT_EQ(rig.hints->size(), 1);
    EXPECT_EQ(rig.hints->at(0).at(0).toString(), QString::fromUtf8("R2:笔刷大小"));

    rig.feed(keyReport(devType, centre).constData());
    s_now += 900;
    rig.feed(keyReport(devType, 0).constData());
    EXPECT_EQ(rig.keys->swivelKey, int(R2));
    EXPECT_EQ(rig.hints->size(), 1);

    ASSERT_EQ(rig.centerKey->size(), 4);
    EXPECT_EQ(rig.centerKey->at(0).at(0).toBool(), true);
    EXPECT_EQ(rig.centerKey->at(1).at(0).toBool(), false);
    EXPECT_EQ(rig.centerKey->at(2).at(0).toBool(), true);
    EXPECT_EQ(rig.centerKey->at(3).at(0).toBool(), false);
    EXPECT_TRUE(rig.input->texts().isEmpty());
  }
  Tablet::setClock(nullptr);
}
