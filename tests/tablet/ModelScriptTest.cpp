#include "FakeTabletDevice.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/DevInfo.h"
#include "driver/tablet/DevInfoFactor.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

std::vector<double> numbers(const char* text) {
  std::vector<double> values;
  for (const QString& part : QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts))
    values.push_back(part.toDouble());
  return values;
}

class ModelScript : public ::testing::TestWithParam<ModelEntry> {};

}  // namespace

TEST_P(ModelScript, BuildsTheTabletSettingsAndMapperOfItsTableRow) {
  const ModelEntry& model = GetParam();
  FakeTabletDevice::useSimulatedBackend();
  auto device = FakeTabletDevice::plugIn(model);
  DevInfoFactor factor;
  std::unique_ptr<DevInfo> info(factor.create(model.devType));
  ASSERT_NE(info, nullptr);

  CommandHandler handler;
  handler.RegisterCommands();
  EXPECT_TRUE(handler.RunScript(info->script()));
  ASSERT_NE(handler.tablet(), nullptr);
  ASSERT_NE(handler.screenMapper(), nullptr);

  const TabletSettings& settings = handler.tablet()->settings;
  EXPECT_EQ(settings.maxX, model.maxX);
  EXPECT_EQ(settings.maxY, model.maxY);
  EXPECT_EQ(settings.maxPressure, model.maxPressure);
  EXPECT_DOUBLE_EQ(settings.width, numbers(model.width)[0]);
  EXPECT_DOUBLE_EQ(settings.height, numbers(model.height)[0]);
  // Fjord5 names Fjord4's format: it uses the Fjord4 key map.
  const int expectedFormat = model.devType == MyQmlEnum::CFG_Fjord5 ? int(MyQmlEnum::CFG_Fjord4) : model.devType;
  EXPECT_EQ(settings.format, expectedFormat);

  std::vector<uint8_t> init(9, 0);
  const QStringList initText = QString::fromLatin1(model.initReport).split(' ');
  for (int i = 0; i < initText.size(); ++i) init[size_t(i)] = uint8_t(initText[i].toUInt(nullptr, 16));
  EXPECT_EQ(settings.initReport, init);

  const std::vector<double> area = numbers(model.tabletArea);
  const QRectF expectedArea(area[2], area[3], area[0], area[1]);
  EXPECT_EQ(handler.screenMapper()->tabletRect(), expectedArea);
  EXPECT_EQ(handler.screenMapper()->tabletArea(), expectedArea);
  EXPECT_EQ(handler.screenMapper()->desktopRect(), QRectF(0, 0, 1920, 1080));
  EXPECT_EQ(handler.outputMode, CommandHandler::Digitizer);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ModelScript, ::testing::ValuesIn(ModelTable::models()),
                         [](const ::testing::TestParamInfo<ModelEntry>& info) { return std::string(info.param.key); });
