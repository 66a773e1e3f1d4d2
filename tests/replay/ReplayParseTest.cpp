#include "driver/core/MyQmlEnum.h"
#include "tools/tabletreplay/ReplayInput.h"
#include "tools/tabletreplay/ReplayOptions.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

bool parseText(const QString& text, std::vector<ReplayStep>& steps, QString& error, int length = 10) {
  QByteArray bytes = text.toUtf8();
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  return ReplayInput::parse(in, length, steps, error);
}

TEST(ReplayOptions, ModelByKeyIgnoringCaseOrByNumber) {
  ReplayOptions options;
  QString error;
  ASSERT_TRUE(ReplayOptions::parse({"--model", "fjord4PRO"}, options, error)) << error.toStdString();
  EXPECT_EQ(options.deviceType, MyQmlEnum::CFG_Fjord4Pro);
  EXPECT_EQ(options.modelKey, "Fjord4Pro");
  EXPECT_EQ(options.tabletPreview, QRect(0, 0, 300, 168));
  EXPECT_EQ(options.screen, QRect(0, 0, 1920, 1080));

  ASSERT_TRUE(ReplayOptions::parse({"--model", "16001", "--screen", "1920,0,1920,1080"}, options, error));
  EXPECT_EQ(options.modelKey, "LarkC");
  EXPECT_EQ(options.screen, QRect(1920, 0, 1920, 1080));
}

TEST(ReplayOptions, RefusesWhatItCannotUse) {
  ReplayOptions options;
  QString error;
  EXPECT_FALSE(ReplayOptions::parse({"--model", "K11"}, options, error));
  EXPECT_TRUE(error.contains("unknown model"));
  EXPECT_FALSE(ReplayOptions::parse({"--model", "12999"}, options, error));
  EXPECT_FALSE(ReplayOptions::parse({}, options, error));
  EXPECT_FALSE(ReplayOptions::parse({"--model"}, options, error));
  EXPECT_FALSE(ReplayOptions::parse({"--model", "LarkA", "--screen", "1,2,3"}, options, error));
  EXPECT_FALSE(ReplayOptions::parse({"--model", "LarkA", "--desktop", "a,b,c,d"}, options, error));
  EXPECT_FALSE(ReplayOptions::parse({"--model", "LarkA", "--speed", "2"}, options, error));
}

TEST(ReplayInput, TheLastLineNeedsNoLineBreakAndLongCommentsPass) {
  std::vector<ReplayStep> steps;
  QString error;
  const QString comment = "# " + QString(ReplayInput::kMaxLineLength - 2, 'x') + "\n";
  ASSERT_TRUE(parseText(comment + "wait 60000\r\n02 A0", steps, error)) << error.toStdString();
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].waitMs, 60000);
  EXPECT_EQ(steps[1].report.size(), 10);
}

TEST(ReplayInput, ReportsArePaddedAndCommentsAndBlankLinesSkipped) {
  std::vector<ReplayStep> steps;
  QString error;
  ASSERT_TRUE(parseText("# header\n\n02A0 10 27\n   \nwait 25\n02 a1\n", steps, error)) << error.toStdString();
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].report.toHex(), QByteArray("02a0102700000000"
                                                "0000"));
  EXPECT_EQ(steps[1].kind, ReplayStep::Wait);
  EXPECT_EQ(steps[1].waitMs, 25);
  EXPECT_EQ(steps[2].report.size(), 10);
}

TEST(ReplayInput, MalformedLinesNameTheirLineNumber) {
  const QByteArray endless(ReplayInput::kMaxLineLength + 1, '0');
  const char* bad[] = {"02 A\n",       "0 2A0\n",          "02 ZZ\n",     "wait\n",
                       "wait -5\n",    "wait 5 6\n",       "waiting 5\n", "02 A0 00 00 00 00 00 00 00 00 00\n",
                       "wait 60001\n", endless.constData()};
  for (const char* line : bad) {
    std::vector<ReplayStep> steps;
    QString error;
    EXPECT_FALSE(parseText(QString("# ok\n02 A0\n") + line, steps, error)) << line;
    EXPECT_TRUE(error.startsWith("line 3:")) << error.toStdString();
  }
}

}  // namespace
