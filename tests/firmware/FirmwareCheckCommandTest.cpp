#include "FirmwareTestSupport.h"

#include "driver/firmware/FirmwareCheckCommand.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace {

const QString kName = "PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin";

QStringList facts(const QString& file, const QString& hardware = "1.05", const QString& caps = "7",
                  const QString& model = "LarkA") {
  return {file, "--model", model, "--caps", caps, "--chip", "1", "--pen", "0", "--hardware", hardware};
}

struct Outcome {
  int code;
  QByteArray printed;
};

Outcome check(const QStringList& arguments) {
  Outcome outcome;
  outcome.code = FirmwareCheckCommand::run(arguments, &outcome.printed);
  return outcome;
}

}  // namespace

TEST(FirmwareCheckCommand, AcceptsAMatchingFileAndNamesTheFirstFailingCheck) {
  const QString good = fwtest::writeFile(kName, fwtest::makeFirmware(fwtest::makePayload(2), 2048));
  Outcome outcome = check(facts(good));
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.printed, "ok\n");

  outcome = check(facts(good, "2.00"));
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(QString::fromUtf8(outcome.printed), "固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级\n");

  const QString tooLong =
      fwtest::writeFile("PV01-CP1-W3-HV[1.00^1.99]-V1.06.bin", fwtest::makeFirmware(fwtest::makePayload(2), 4096));
  outcome = check(facts(tooLong));
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(QString::fromUtf8(outcome.printed), "固件帧头校验失败，请下载正确的固件版本进行升级.\n");
}

TEST(FirmwareCheckCommand, TellsNamesFilesAndArgumentsApart) {
  const QString fourFields =
      fwtest::writeFile("PV01-CP1-W3-HV[1.00^1.99].bin", fwtest::makeFirmware(fwtest::makePayload(1), 1024));
  Outcome outcome = check(facts(fourFields));
  EXPECT_EQ(outcome.code, 3);
  EXPECT_EQ(outcome.printed, "not a firmware file name\n");

  outcome = check(facts(testenv::homeDir() + "/missing/" + kName));
  EXPECT_EQ(outcome.code, 2);
  EXPECT_TRUE(outcome.printed.contains("No such file")) << outcome.printed.constData();

  const QString good = fwtest::writeFile(kName, fwtest::makeFirmware(fwtest::makePayload(1), 1024));
  for (const QStringList& bad : {QStringList{good, "--model", "LarkA"}, facts(good, "1.05", "7", "Nope"),
                                 facts(good, "1.5.0"), facts(good, "1.05", "0xF")}) {
    outcome = check(bad);
    EXPECT_EQ(outcome.code, 64) << bad.join(' ').toStdString();
    EXPECT_FALSE(outcome.printed.isEmpty());
  }
}

TEST(FirmwareCheckCommand, ReadsNumbersAsDecimalUnlessTheyStartWith0x) {
  // Chip 8 is CP6: "08" must be eight, not a malformed octal number.
  const QString cp6 =
      fwtest::writeFile("PV01-CP6-W4-HV[1.00^1.99]-V1.05.bin", fwtest::makeFirmware(fwtest::makePayload(1), 1024));
  const QStringList arguments = {cp6,  "--model", "LarkA", "--caps",     "0x7", "--chip",
                                 "08", "--pen",   "010",   "--hardware", "1.05"};
  // Pen code 10 is no LarkA pen: the pen type stays unknown and the W4 check fails.
  Outcome outcome = check(arguments);
  EXPECT_EQ(outcome.code, 1) << outcome.printed.constData();
  EXPECT_EQ(QString::fromUtf8(outcome.printed), "固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.\n");
  QStringList penTwo = arguments;
  penTwo[8] = "0x02";
  outcome = check(penTwo);
  EXPECT_EQ(outcome.code, 0) << outcome.printed.constData();
}

TEST(FirmwareCheckCommand, TheToolPrintsTheVerdict) {
  const QString good = fwtest::writeFile(kName, fwtest::makeFirmware(fwtest::makePayload(1), 1024));
  QProcess tool;
  tool.start(testenv::binaryDir() + "/bin/firmwarecheck", facts(good));
  ASSERT_TRUE(tool.waitForFinished(10000));
  EXPECT_EQ(tool.exitCode(), 0);
  EXPECT_EQ(tool.readAllStandardOutput(), "ok\n");
}
