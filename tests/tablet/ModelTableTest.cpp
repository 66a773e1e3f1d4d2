#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/DevInfo.h"
#include "driver/tablet/DevInfoFactor.h"
#include "driver/tablet/ModelTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace MyQmlEnum;

TEST(ModelTable, EveryModelHasItsOwnProductIdAndOneOfThreeVendors) {
  std::set<int> products;
  std::set<int> vendors;
  for (const ModelEntry& model : ModelTable::models()) {
    products.insert(model.productId);
    vendors.insert(model.vendorId);
  }
  EXPECT_EQ(products.size(), 19u);
  EXPECT_EQ(vendors.size(), 3u);
  EXPECT_EQ(ModelTable::byDevType(CFG_VarnexK10PlusV2)->vendorId, ModelTable::byDevType(CFG_Fjord2Pro)->vendorId);
  EXPECT_EQ(ModelTable::byDevType(CFG_Fjord1)->vendorId, ModelTable::byDevType(CFG_Fjord5)->vendorId);
  EXPECT_EQ(ModelTable::byDevType(CFG_Fjord4Pro)->vendorId, ModelTable::byDevType(CFG_Fjord5pro)->vendorId);
  EXPECT_NE(ModelTable::byDevType(CFG_Fjord1)->vendorId, ModelTable::byDevType(CFG_Fjord4Pro)->vendorId);
}

TEST(DevInfoFactor, CreatesEveryModelAndNothingForUnknownValues) {
  DevInfoFactor factor;
  for (const ModelEntry& model : ModelTable::models()) {
    std::unique_ptr<DevInfo> info(factor.create(model.devType));
    ASSERT_NE(info, nullptr) << model.key;
    EXPECT_EQ(factor.last(), info.get());
    int vid = 0, pid = 0;
    char flag = 9;
    info->getIds(vid, pid, flag);
    EXPECT_EQ(vid, model.vendorId);
    EXPECT_EQ(pid, model.productId);
    EXPECT_EQ(flag, model.devType == CFG_LarkA ? 1 : 0);
    EXPECT_TRUE(info->script().startsWith("HIDTablet 0x")) << model.key;
  }
  EXPECT_EQ(factor.create(20000), nullptr);
  EXPECT_EQ(factor.create(-1), nullptr);
}

TEST(ModelScripts, HaveTheTableShape) {
  DevInfoFactor factor;
  std::unique_ptr<DevInfo> fjord5(factor.create(CFG_Fjord5));
  const QString script = fjord5->script();
  EXPECT_TRUE(script.contains("TabletFormat Fjord4 \n"));
  EXPECT_TRUE(script.contains("HIDTablet 0x3CA2 0x0204 0x000D 0x0001 \n"));
  EXPECT_TRUE(script.endsWith("OutputMode Digitizer\n"));

  std::unique_ptr<DevInfo> larkA(factor.create(CFG_LarkA));
  EXPECT_FALSE(larkA->script().contains("ScreenArea"));
  std::unique_ptr<DevInfo> pro(factor.create(CFG_Fjord4Pro));
  EXPECT_TRUE(pro->script().contains("TabletFormat Fjord4pro \n"));
  EXPECT_TRUE(pro->script().contains("InitReport 0x09 0x01 0x04 \n"));
  std::unique_ptr<DevInfo> k10(factor.create(CFG_VarnexK10PlusV2));
  EXPECT_EQ(k10->script(),
            "HIDTablet 0x3CA1 0x0101 0xFF0A 0x0001 \nTabletFormat VarnexK10PlusV2 \nInitReport 0x02 0xB0 0x04 \n"
            "MaxX 26000 \nMaxY 16000 \nMaxPressure 8191 \nWidth 260.0 \nHeight 160.0 \nDesktopSize 1920 1080 \n"
            "ScreenArea 1920 1080 0 0 \nTabletArea 260 160 130 80 \nOutputMode Digitizer\n");
}

TEST(ModelRecognition, FollowsTheDetectionOrderAndIgnoresCase) {
  const ModelEntry* mesaB = ModelTable::byDevType(CFG_MesaB);
  EXPECT_EQ(ModelTable::recognitionText(*mesaB), "VID_3CA1&PID_010C");
  EXPECT_EQ(ModelTable::recognise("\\\\?\\hid#vid_3ca1&pid_010c&mi_00#7&1"), CFG_MesaB);
  EXPECT_EQ(ModelTable::recognise("VID_1234&PID_5678"), -1);
  EXPECT_EQ(ModelTable::recognitionOrder().size(), 19u);
  EXPECT_EQ(ModelTable::recognitionOrder()[4], CFG_Fjord2Pro);
  EXPECT_EQ(ModelTable::byKey("fjord5PRO")->devType, CFG_Fjord5pro);
}

TEST(ModelScripts, EveryScriptHasTheCommandsInOrderAndOnlyLarkALacksScreenArea) {
  DevInfoFactor factor;
  const QStringList order = {"HIDTablet", "TabletFormat", "InitReport",  "MaxX",       "MaxY",       "MaxPressure",
                             "Width",     "Height",       "DesktopSize", "ScreenArea", "TabletArea", "OutputMode"};
  for (const ModelEntry& model : ModelTable::models()) {
    std::unique_ptr<DevInfo> info(factor.create(model.devType));
    QStringList commands;
    for (const QString& line : info->script().split('\n', Qt::SkipEmptyParts)) commands << line.section(' ', 0, 0);
    QStringList expected = order;
    if (model.devType == CFG_LarkA) expected.removeAll("ScreenArea");
    EXPECT_EQ(commands, expected) << model.key;
    const QString ids = QStringLiteral("%1 0X%2")
                            .arg(model.vendorId, 4, 16, QLatin1Char('0'))
                            .arg(model.productId, 4, 16, QLatin1Char('0'));
    EXPECT_TRUE(info->script().startsWith("HIDTablet 0x" + ids.toUpper().replace("0X", "0x") + " ")) << model.key;
  }
}
