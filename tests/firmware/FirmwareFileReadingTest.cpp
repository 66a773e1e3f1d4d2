// Firmware files that are not plain files, far too large, or named in bytes
// no encoding reads: each is refused (or read) at once, with the reason.

#include "FirmwareTestSupport.h"

#include "driver/firmware/FirmwareCheckCommand.h"
#include "driver/firmware/FirmwareFileName.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareTransferImage.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kName[] = "PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin";

QList<QByteArray> facts(const QByteArray& file) {
  return {file, "--model", "LarkA", "--caps", "7", "--chip", "1", "--pen", "0", "--hardware", "1.05"};
}

struct Outcome {
  int code = -1;
  QByteArray printed;
  qint64 ms = 0;
};

Outcome check(const QByteArray& file) {
  Outcome outcome;
  QElapsedTimer timer;
  timer.start();
  outcome.code = FirmwareCheckCommand::run(facts(file), &outcome.printed);
  outcome.ms = timer.elapsed();
  return outcome;
}

QByteArray freshPath(const QString& dirName) { return QFile::encodeName(testenv::freshDir(dirName)) + "/" + kName; }

}  // namespace

TEST(FirmwareFileReading, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
  // A FIFO nobody writes to: opening it the usual way waits for ever.
  const QByteArray fifo = freshPath("fw-fifo");
  ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
  Outcome outcome = check(fifo);
  EXPECT_EQ(outcome.code, FirmwareCheckCommand::kUnreadable);
  EXPECT_TRUE(outcome.printed.contains("not a regular file")) << outcome.printed.constData();
  EXPECT_LT(outcome.ms, 5000);
  EXPECT_FALSE(FirmwareImage::checkFile(QFile::decodeName(fifo)));

  // A link to an endless device is the device, not a file.
  const QByteArray zero = freshPath("fw-zero");
  ASSERT_EQ(symlink("/dev/zero", zero.constData()), 0);
  outcome = check(zero);
  EXPECT_EQ(outcome.code, FirmwareCheckCommand::kUnreadable);
  EXPECT_LT(outcome.ms, 5000);
  FirmwareTransferImage transfer;
  EXPECT_FALSE(transfer.load(QFile::decodeName(zero)));
  EXPECT_FALSE(transfer.errorString().isEmpty());

  const QByteArray directory = freshPath("fw-dir");
  ASSERT_EQ(mkdir(directory.constData(), 0700), 0);
  outcome = check(directory);
  EXPECT_EQ(outcome.code, FirmwareCheckCommand::kUnreadable);
  EXPECT_TRUE(outcome.printed.contains("directory")) << outcome.printed.constData();
}

TEST(FirmwareFileReading, AFileLargerThanAnyImageIsRefusedUnread) {
  // Sparse: 4 GiB that take no disk, and that used to be read whole.
  const QByteArray giant = freshPath("fw-giant");
  {
    QFile file(QFile::decodeName(giant));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(4) << 30));
  }
  const Outcome outcome = check(giant);
  EXPECT_EQ(outcome.code, FirmwareCheckCommand::kUnreadable);
  EXPECT_TRUE(outcome.printed.contains("larger than 524288 bytes")) << outcome.printed.constData();
  EXPECT_LT(outcome.ms, 5000);

  // An image of exactly the largest size still passes.
  const QByteArray payload = fwtest::makePayload(511) + QByteArray(524288 - 26 - 511 * 1025, '\x5a');
  const QString largest = fwtest::writeFile(kName, fwtest::makeFirmware(payload, 511 * 1024));
  ASSERT_EQ(QFileInfo(largest).size(), 524288);
  EXPECT_EQ(check(QFile::encodeName(largest)).code, FirmwareCheckCommand::kAccepted);
}

TEST(FirmwareFileReading, TheNameIsOpenedByItsBytes) {
  // Latin-1 "é" in a UTF-8 system: no QString holds these bytes.
  const QByteArray dir = QFile::encodeName(testenv::freshDir("fw-latin1"));
  const QByteArray name = dir + "/PV01-CP1-W3-HV[1.00^1.99]-V1.05-\xe9t\xe9.bin";
  {
    const QByteArray image = fwtest::makeFirmware(fwtest::makePayload(1), 1024);
    FILE* file = fopen(name.constData(), "wb");
    ASSERT_NE(file, nullptr);
    fwrite(image.constData(), 1, size_t(image.size()), file);
    fclose(file);
  }
  Outcome outcome = check(name);
  EXPECT_EQ(outcome.code, FirmwareCheckCommand::kAccepted) << outcome.printed.constData();

  // And so does the program, from its raw command line. QProcess would pass
  // the name in the locale's encoding; printf in a shell gives the bytes.
  QByteArray format = name;
  format.replace("\xe9", "\\351");
  QProcess shell;
  shell.start("/bin/sh",
              {"-c", "exec \"$0\" \"$(printf \"$1\")\" --model LarkA --caps 7 --chip 1 --pen 0 --hardware 1.05",
               testenv::binaryDir() + "/bin/firmwarecheck", QString::fromLatin1(format)});
  ASSERT_TRUE(shell.waitForFinished(10000));
  EXPECT_EQ(shell.exitCode(), 0);
  EXPECT_EQ(shell.readAllStandardOutput(), "ok\n");
}

TEST(FirmwareFileReading, ABackslashIsPartOfALinuxName) {
  const auto name = FirmwareFileName::parse("/home/ann/fw/PV01-CP1-W3-HV[1.00^1.99]-V1\\05.bin");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->productCode(), "PV01");
  EXPECT_FALSE(FirmwareFileName::parse("/home/ann/PV01-CP1-W3\\HV[1.00^1.99]-V1.05.bin"));
}
