#include "FakeTabletDevice.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace MyQmlEnum;

namespace {

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeTabletDevice::useSimulatedBackend();
    m_device = FakeTabletDevice::plugIn(*ModelTable::byDevType(CFG_VarnexK10PlusV2));
    m_handler.RegisterCommands();
  }

  bool run(const char* line) {
    CommandLine command(line);
    return m_handler.Execute(command.command(), &command);
  }

  bool openTablet() { return run("HIDTablet 0x3CA1 0x0101 0xFF0A 0x0001"); }
  const TabletSettings& settings() { return m_handler.tablet()->settings; }

  std::shared_ptr<FakeTabletDevice> m_device;
  CommandHandler m_handler;
};

}  // namespace

TEST(CommandRegistry, KeepsFirstEntriesAndResolvesAliasesWithoutCase) {
  CommandHandler handler;
  int calls = 0;
  handler.AddCommand({"Hello", [&](CommandLine*) { return ++calls > 0; }});
  handler.AddCommand({"HELLO", [](CommandLine*) { return false; }});
  EXPECT_TRUE(handler.AddAlias("Hi", "hello"));
  EXPECT_FALSE(handler.AddAlias("HI", "other"));
  CommandLine line("x");
  EXPECT_TRUE(handler.Execute("hELLo", &line));
  EXPECT_TRUE(handler.Execute("hi", &line));
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(handler.Execute("nothing", &line));
  EXPECT_EQ(handler.aliases().at("hi"), "hello");
  EXPECT_EQ(handler.aliasNames().at("hi"), "Hi");

  handler.AddHelp("Hello", "one");
  handler.AddHelp("HELLO", "two");
  EXPECT_EQ(handler.help().at("hello"), "one\ntwo\n");
}

TEST(CommandRegistry, RegistersElevenCommandsFiveAliasesAndOneHelp) {
  CommandHandler handler;
  handler.RegisterCommands();
  EXPECT_EQ(handler.commands().size(), 11u);
  EXPECT_EQ(handler.aliases().size(), 5u);
  EXPECT_EQ(handler.aliases().at("tabletformat"), "tabletdataformat");
  EXPECT_EQ(handler.help().size(), 1u);
  EXPECT_EQ(handler.help().at("hidtablet"),
            "Usage: HIDTablet <VendorId> <ProductId> <Usage Page> <Usage> [Exclusive=True]\n\n");
}

TEST_F(ScriptTest, NothingButOutputModeWorksWithoutATablet) {
  EXPECT_FALSE(run("MaxX 100"));
  EXPECT_FALSE(run("DesktopSize 1920 1080"));
  EXPECT_FALSE(run("InitReport 1 2"));
  EXPECT_TRUE(run("OutputMode abs"));
  EXPECT_EQ(m_handler.screenMapper(), nullptr);
  // Three parameters are not enough, and a device that is not there opens nothing.
  EXPECT_FALSE(run("HIDTablet 0x3CA1 0x0101 0xFF0A"));
  EXPECT_FALSE(run("HIDTablet 0x1111 0x2222 0xFF0A 0x0001"));
  EXPECT_EQ(m_handler.tablet(), nullptr);
}

TEST_F(ScriptTest, OpensTheTabletOnceAndKeepsItOnASecondRun) {
  ASSERT_TRUE(openTablet());
  Tablet* first = m_handler.tablet();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isOpen());
  EXPECT_TRUE(run("HIDTablet 0x1111 0x2222 0xFF0A 0x0001"));
  EXPECT_EQ(m_handler.tablet(), first);
}

TEST_F(ScriptTest, ExclusiveFlagReachesTheDevice) {
  ASSERT_TRUE(run("HIDTablet 0x3CA1 0x0101 0xFF0A 0x0001 Exclusive=True"));
  EXPECT_TRUE(m_handler.tablet()->hid()->params()->exclusive);
  EXPECT_TRUE(m_handler.tablet()->hid()->params()->overlapped);
}

TEST_F(ScriptTest, SettingsCommandsKeepTheFieldOnBadNumbers) {
  ASSERT_TRUE(openTablet());
  EXPECT_TRUE(run("MaxX 26000"));
  EXPECT_TRUE(run("MaxX"));
  EXPECT_TRUE(run("MaxX abc"));
  EXPECT_EQ(settings().maxX, 26000);
  EXPECT_TRUE(run("MaxPressure 0x1FFF"));
  EXPECT_EQ(settings().maxPressure, 8191);
  EXPECT_TRUE(run("MaxPressure 0X1FFF"));
  EXPECT_EQ(settings().maxPressure, 0);
  EXPECT_TRUE(run("MaxY 0b101"));
  EXPECT_EQ(settings().maxY, 5);
  EXPECT_TRUE(run("Width 0x10"));
  EXPECT_DOUBLE_EQ(settings().width, 16.0);
  EXPECT_TRUE(run("Height 101.56"));
  EXPECT_DOUBLE_EQ(settings().height, 101.56);
}

TEST_F(ScriptTest, InitReportFillsTheOutputReportLength) {
  ASSERT_TRUE(openTablet());
  EXPECT_TRUE(run("InitReport 0x02 0xB0 0x04"));
  EXPECT_EQ(settings().initReport, (std::vector<uint8_t>{0x02, 0xB0, 0x04, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(settings().initReportLength, 9);
  EXPECT_FALSE(run("InitReport"));
  EXPECT_EQ(settings().initReport[1], 0xB0);
  EXPECT_TRUE(run("InitReport 1 2 3 4 5 6 7 8 9 10 0x1FF"));
  EXPECT_EQ(settings().initReport, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ScriptTest, FormatNamesMatchWithoutCase) {
  ASSERT_TRUE(openTablet());
  EXPECT_TRUE(run("TabletFormat Fjord4pro"));
  EXPECT_EQ(settings().format, CFG_Fjord4Pro);
  EXPECT_TRUE(run("Format LARKd2b"));
  EXPECT_EQ(settings().format, CFG_LarkD2B);
  EXPECT_FALSE(run("TabletDataFormat Fjord9"));
  EXPECT_FALSE(run("TabletDataFormat"));
  EXPECT_EQ(settings().format, CFG_LarkD2B);
}

TEST_F(ScriptTest, OutputModeLooksAtThreeLetters) {
  EXPECT_TRUE(run("OutputMode Digitizer"));
  EXPECT_EQ(m_handler.outputMode, CommandHandler::Digitizer);
  EXPECT_TRUE(run("Mode abs"));
  EXPECT_EQ(m_handler.outputMode, CommandHandler::Absolute);
  EXPECT_TRUE(run("Mode pen"));
  EXPECT_EQ(m_handler.outputMode, CommandHandler::Digitizer);
  EXPECT_TRUE(run("mode ABSOLUTELY"));
  EXPECT_TRUE(run("mode PENCIL"));
  EXPECT_EQ(m_handler.outputMode, CommandHandler::Digitizer);
  EXPECT_TRUE(run("OutputMode ab"));
  EXPECT_TRUE(run("OutputMode"));
  EXPECT_EQ(m_handler.outputMode, CommandHandler::Digitizer);
}

TEST_F(ScriptTest, AreaNeedsAMapperAndSetsBothTabletRectangles) {
  ASSERT_TRUE(openTablet());
  EXPECT_FALSE(run("TabletArea 260 160 130 80"));
  EXPECT_TRUE(run("DesktopSize 1920 1080"));
  ASSERT_NE(m_handler.screenMapper(), nullptr);
  EXPECT_EQ(m_handler.screenMapper()->desktopRect(), QRectF(0, 0, 1920, 1080));
  EXPECT_TRUE(run("Area 260 160 130 80"));
  EXPECT_EQ(m_handler.screenMapper()->tabletRect(), QRectF(130, 80, 260, 160));
  EXPECT_EQ(m_handler.screenMapper()->tabletArea(), QRectF(130, 80, 260, 160));
  // Missing values keep the current area's.
  EXPECT_TRUE(run("TabletArea 100"));
  EXPECT_EQ(m_handler.screenMapper()->tabletArea(), QRectF(130, 80, 100, 160));
  EXPECT_TRUE(run("Desktop 800"));
  EXPECT_EQ(m_handler.screenMapper()->desktopRect(), QRectF(0, 0, 800, 0));
}

TEST_F(ScriptTest, ASecondDesktopSizeLeavesTheOldMapperAliveForItsHolders) {
  ASSERT_TRUE(openTablet());
  ASSERT_TRUE(run("DesktopSize 1920 1080"));
  std::shared_ptr<ScreenMapper> held = m_handler.screenMapper();
  std::weak_ptr<ScreenMapper> watch = held;
  ASSERT_TRUE(run("DesktopSize 3840 1080"));
  EXPECT_NE(m_handler.screenMapper(), held);
  ASSERT_FALSE(watch.expired());
  double x = 0, y = 0;
  EXPECT_TRUE(held->map(x, y));
  held.reset();
  EXPECT_TRUE(watch.expired());
}

TEST_F(ScriptTest, RunScriptSkipsWhatItCannotRunAndAlwaysSucceeds) {
  const QString script =
      "\n# a comment\nHIDTablet 0x3CA1 0x0101 0xFF0A 0x0001 \nUnknown 1 2\nScreenArea 1920 1080 0 0 \n"
      "MaxX\t100\nMaxX 100 # comment\nMaxY 200; MaxX 7\nTabletFormat nothing\nMaxPressure 2047";
  EXPECT_TRUE(m_handler.RunScript(script));
  ASSERT_NE(m_handler.tablet(), nullptr);
  EXPECT_EQ(settings().maxX, 100);
  EXPECT_EQ(settings().maxY, 200);
  EXPECT_EQ(settings().maxPressure, 2047);
  EXPECT_TRUE(CommandHandler().RunScript(QString()));
}

namespace {
QStringList s_messages;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text) { s_messages << text; }
}  // namespace

TEST_F(ScriptTest, AFailedOpenIsLoggedAndLeavesNoTablet) {
  s_messages.clear();
  QtMessageHandler previous = qInstallMessageHandler(captureMessage);
  EXPECT_TRUE(m_handler.RunScript("HIDTablet 0x3CA1 0x0999 0xFF0A 0x0001\nMaxX 5\nDesktopSize 1920 1080"));
  qInstallMessageHandler(previous);
  EXPECT_TRUE(s_messages.contains("======open table error"));
  EXPECT_EQ(m_handler.tablet(), nullptr);
  EXPECT_EQ(m_handler.screenMapper(), nullptr);
}
