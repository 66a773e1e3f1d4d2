#include "FirmwareTestSupport.h"
#include "SimFirmwareWorld.h"

#include "platform/hid/HidBackend.h"

#include <QSignalSpy>

using Fault = SimIapDevice::Fault;
using fwtest::makeFirmware;
using fwtest::makePayload;
using fwtest::writeFile;

namespace {

const char* const kName = "PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin";

// The records a tablet should hold after receiving `file`: every announced
// block, the last one filled up with 0xFF where the file ends.
QByteArray expectedImage(const QByteArray& file, int blocks) {
  QByteArray records = file.mid(26).left(blocks * 1025);
  return records + QByteArray(blocks * 1025 - records.size(), char(0xFF));
}

}  // namespace

class FirmwareUpgrade : public SimFirmwareWorld {
 protected:
  // Arrival of a tablet running its application, then the user's click.
  void arriveAndStart(const QString& path) {
    ASSERT_TRUE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
    m_chosenFile = path;
    m_firmware->startFirmwareUpgrade();
  }
};

TEST_F(FirmwareUpgrade, TwoPhasesLeaveTheTabletHoldingExactlyTheFilesRecords) {
  plugIn(larkA());
  const QByteArray payload = makePayload(3).left(3 * 1025 - 100);
  const QByteArray file = makeFirmware(payload, 3 * 1024 - 5, 0x1234, 0xCAFEF00D);
  const QString path = writeFile(kName, file);
  QSignalSpy progress(m_firmware.get(), &QFirmwareUpgrade::upgradeProgress);
  QSignalSpy failed(m_firmware.get(), &QFirmwareUpgrade::firmwareUpgradeFailed);

  arriveAndStart(path);
  // Phase one: checked, sent to the boot loader, file kept for the return.
  EXPECT_EQ(requestsOf(Iap::kJumpToBoot), 1);
  EXPECT_EQ(m_firmware->binPath(), path);
  EXPECT_EQ(m_firmware->iapDevice(), nullptr);
  ASSERT_TRUE(waitForArrivals(1));
  EXPECT_TRUE(m_device->inBootLoader());

  // Phase two: the arrival resumes with the same file, asking nothing.
  EXPECT_FALSE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  EXPECT_EQ(m_dialogs, 1);
  EXPECT_EQ(m_prompts.size(), 1u);
  EXPECT_TRUE(m_device->flashed());
  EXPECT_FALSE(m_device->blockOrderBroken());
  EXPECT_EQ(m_device->announcedLength(), 3u * 1024 - 5);
  EXPECT_EQ(m_device->announcedInfo(), 0xCAFEF00Du);
  EXPECT_EQ(m_device->receivedImage(), expectedImage(file, 3));
  EXPECT_TRUE(m_firmware->binPath().isEmpty());
  EXPECT_EQ(failed.count(), 0);
  EXPECT_EQ(QFirmwareUpgrade::transferProgress(), 0.0f);

  // The window: 0 at the jump, then the progress before each block, 100
  // ahead of the last one.
  QList<int> seen;
  for (const QList<QVariant>& emitted : progress) seen << emitted.front().toInt();
  EXPECT_EQ(seen, (QList<int>{0, 0, 0, 100}));
  EXPECT_TRUE(m_console.contains("[Varnex IAP]: IAP Update Firmware[ 50.00%][under way....]"));
  EXPECT_TRUE(m_console.contains("[Varnex IAP]: IAP Update Firmware[  0.00%][done.]"));
  EXPECT_TRUE(m_console.contains("ulReserveFlashSize: 131072"));
  EXPECT_TRUE(m_console.contains("IAP    |-> Successfully completed the IAP process"));

  // The new firmware starts and the tablet comes back as itself.
  ASSERT_TRUE(waitForArrivals(2));
  EXPECT_FALSE(m_device->inBootLoader());
}

TEST_F(FirmwareUpgrade, OneBlockIsAlsoTheLastAndTheWindowSees100First) {
  SimIapDevice::Config config = larkA();
  config.inBootLoader = true;
  plugIn(config);
  const QByteArray file = makeFirmware(makePayload(1), 1024);
  m_chosenFile = writeFile(kName, file);
  QSignalSpy progress(m_firmware.get(), &QFirmwareUpgrade::upgradeProgress);

  EXPECT_FALSE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  const std::vector<Iap::Request> requests = m_device->requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_TRUE(requests.back().command == Iap::kWriteBlock);
  EXPECT_EQ(requests.back().payload.size(), 7 + 1025);
  EXPECT_EQ(uint8_t(requests.back().payload[0]), 1);
  ASSERT_EQ(progress.count(), 1);
  EXPECT_EQ(progress.front().front().toInt(), 100);
  EXPECT_TRUE(m_console.contains("[  0.00%][done.]"));
  EXPECT_EQ(QFirmwareUpgrade::transferProgress(), 0.0f);
  EXPECT_EQ(m_device->receivedImage(), file.mid(26));
}

TEST_F(FirmwareUpgrade, CancellingTheHintClosesTheInterfaceAndKeepsNoFile) {
  plugIn(larkA());
  m_firmware->OpenIapDevicePort(15000);
  m_answer = PromptService::Answer::Cancel;
  m_firmware->startFirmwareUpgrade();
  EXPECT_EQ(m_dialogs, 0);
  EXPECT_TRUE(m_firmware->binPath().isEmpty());
  EXPECT_EQ(m_firmware->iapDevice(), nullptr);
  ASSERT_EQ(m_prompts.size(), 1u);
  EXPECT_EQ(m_prompts[0].title, "升级提示");
  EXPECT_TRUE(m_prompts[0].text.contains("Lark A"));
}

TEST_F(FirmwareUpgrade, ANameWithFourFieldsEndsSilentlyAndIsForgotten) {
  plugIn(larkA());
  m_chosenFile = writeFile("PV01-CP1-W3-HV[1.00^1.99].bin", makeFirmware(makePayload(1), 1024));
  m_firmware->startFirmwareUpgrade();
  EXPECT_EQ(m_prompts.size(), 1u);  // only the hint
  EXPECT_TRUE(m_device->requests().empty());
  EXPECT_TRUE(m_firmware->binPath().isEmpty());
}

TEST_F(FirmwareUpgrade, AFailedTransferTellsTheWindowAndLeavesTheBootLoader) {
  SimIapDevice::Config config = larkA();
  config.inBootLoader = true;
  plugIn(config)->setFault(Fault::ErrorStatus, Iap::kWriteBlock, 1);
  m_chosenFile = writeFile(kName, makeFirmware(makePayload(3), 3 * 1024));
  QSignalSpy failed(m_firmware.get(), &QFirmwareUpgrade::firmwareUpgradeFailed);

  EXPECT_FALSE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  EXPECT_EQ(failed.count(), 1);
  EXPECT_EQ(requestsOf(Iap::kWriteBlock), 2);
  EXPECT_TRUE(m_console.contains("IAP    |-> Error transferring this file"));
  EXPECT_TRUE(m_device->inBootLoader());
  EXPECT_TRUE(m_firmware->binPath().isEmpty());
  EXPECT_EQ(m_firmware->iapDevice(), nullptr);
  ASSERT_EQ(m_prompts.size(), 2u);
  EXPECT_EQ(m_prompts[1].icon, PromptService::Icon::Critical);
  EXPECT_TRUE(m_prompts[1].text.startsWith("固件传输失败"));
}

TEST_F(FirmwareUpgrade, ATabletThatStopsAnsweringMidTransferFailsTheUpgrade) {
  SimIapDevice::Config config = larkA();
  config.inBootLoader = true;
  plugIn(config)->setFault(Fault::NoAnswer, Iap::kWriteBlock, 1);
  m_chosenFile = writeFile(kName, makeFirmware(makePayload(3), 3 * 1024));
  QSignalSpy failed(m_firmware.get(), &QFirmwareUpgrade::firmwareUpgradeFailed);
  m_firmware->handleArrival(15000, "/opt/varnex/bin");
  EXPECT_EQ(failed.count(), 1);
  EXPECT_EQ(requestsOf(Iap::kWriteBlock), 2);
}

// Every refusal of the checks, with the message the user sees. None of them
// may send the tablet to its boot loader.
struct Refusal {
  const char* what;
  const char* fileName;
  uint32_t capabilities;
  uint8_t hardwareMajor;
  uint8_t hardwareMinor;
  int fileDefect;  // 0 none, 1 bad sum, 2 too many blocks announced
  Fault fault;
  const char* message;
  const Iap::Command* faultOnly = nullptr;  // the fault hits every request when null
};

class FirmwareRefusal : public FirmwareUpgrade, public ::testing::WithParamInterface<Refusal> {};

TEST_P(FirmwareRefusal, EndsWithItsMessageBeforeTheJump) {
  const Refusal& refusal = GetParam();
  SimIapDevice::Config config = larkA();
  config.capabilities = refusal.capabilities;
  config.hardwareMajor = refusal.hardwareMajor;
  config.hardwareMinor = refusal.hardwareMinor;
  plugIn(config);
  QByteArray file = makeFirmware(makePayload(2), refusal.fileDefect == 2 ? 3 * 1024 : 2 * 1024);
  if (refusal.fileDefect == 1) file[8] = char(file[8] ^ 1);
  ASSERT_TRUE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  if (refusal.fault != Fault::None) {
    m_device->setFault(refusal.fault,
                       refusal.faultOnly ? std::optional<Iap::Command>(*refusal.faultOnly) : std::nullopt);
  }
  m_chosenFile = writeFile(refusal.fileName, file);

  m_firmware->startFirmwareUpgrade();

  ASSERT_EQ(m_prompts.size(), 2u) << refusal.what;
  EXPECT_EQ(m_prompts[1].icon, PromptService::Icon::Critical);
  EXPECT_EQ(m_prompts[1].title, "升级提示");
  EXPECT_EQ(m_prompts[1].text, QString::fromUtf8(refusal.message)) << refusal.what;
  EXPECT_EQ(requestsOf(Iap::kJumpToBoot), 0);
  EXPECT_TRUE(m_firmware->binPath().isEmpty());
  EXPECT_EQ(m_firmware->iapDevice(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FirmwareRefusal,
    ::testing::Values(
        Refusal{"model", "PV02-CP1-W3-HV[1.00^1.99]-V1.05.bin", 7, 1, 5, 0, Fault::None,
                "产品型号不匹配，请下载正确的固件版本进行升级"},
        Refusal{"st platform", "PV01-CP2-W3-HV[1.00^1.99]-V1.05.bin", 0, 1, 5, 0, Fault::None,
                "固件不是ST平台，请下载正确的固件版本进行升级"},
        Refusal{"board info", kName, 7, 1, 5, 0, Fault::ErrorStatus, "获取板子参数信息失败，请重启驱动程序，在次尝试"},
        Refusal{"chip, exact case", "PV01-cp1-W3-HV[1.00^1.99]-V1.05.bin", 7, 1, 5, 0, Fault::None,
                "芯片类型不匹配，请下载正确的固件版本进行升级"},
        Refusal{"pcb", kName, 7, 2, 0, 0, Fault::None, "固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级"},
        Refusal{"pcb without range", "PV01-CP1-W3-HV[1.00]-V1.05.bin", 7, 1, 0, 0, Fault::None,
                "固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级"},
        Refusal{"pen", "PV01-CP1-W4-HV[1.00^1.99]-V1.05.bin", 7, 1, 5, 0, Fault::None,
                "固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.\n"},
        Refusal{"sums", kName, 7, 1, 5, 1, Fault::None, "固件帧头校验失败，请下载正确的固件版本进行升级.\n"},
        Refusal{"blocks beyond the file", kName, 7, 1, 5, 2, Fault::None,
                "固件帧头校验失败，请下载正确的固件版本进行升级.\n"},
        Refusal{"run region", kName, 7, 1, 5, 0, Fault::BadCrc, "运行区间获取失败，请重试.\n", &Iap::kQueryRunRegion}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return "case" + std::to_string(info.index); });

TEST_F(FirmwareUpgrade, CaseOfThePenTypeDoesNotMatterAndTheStPlatformSkipsTheBoardChecks) {
  SimIapDevice::Config config = larkA();
  plugIn(config);
  m_firmware->OpenIapDevicePort(15000);
  const QString lowerPen = writeFile("PV01-CP1-w3-HV[1.00^1.99]-V1.05.bin", makeFirmware(makePayload(1), 1024));
  EXPECT_EQ(m_firmware->acceptFirmwareFile(lowerPen).outcome, QFirmwareUpgrade::Acceptance::Outcome::Accepted);

  m_firmware->closeIapDevicePort();
  platform::HidBackend::current().unregisterVirtual(m_device.get());
  config.capabilities = 0;
  config.hardwareMajor = 9;  // would fail a PCB check
  plugIn(config);
  m_firmware->OpenIapDevicePort(15000);
  const QString anyPen = writeFile("PV01-CP1-W9-HV[1.00^1.99]-V1.05.bin", makeFirmware(makePayload(1), 1024));
  EXPECT_EQ(m_firmware->acceptFirmwareFile(anyPen).outcome, QFirmwareUpgrade::Acceptance::Outcome::Accepted);
  EXPECT_EQ(requestsOf(Iap::getAdditionalMsg(15000)), 0);
  EXPECT_EQ(requestsOf(Iap::getShVersion(15000)), 0);
}

// The progress loop runs the window's events in the middle of a transfer.
TEST_F(FirmwareUpgrade, WhatTheWindowDoesDuringATransferCannotBreakIt) {
  SimIapDevice::Config config = larkA();
  config.inBootLoader = true;
  plugIn(config);
  m_chosenFile = writeFile(kName, makeFirmware(makePayload(3), 3 * 1024));
  QSignalSpy failed(m_firmware.get(), &QFirmwareUpgrade::firmwareUpgradeFailed);

  // A second click on "upgrade" is ignored while the first one runs.
  QMetaObject::Connection click = QObject::connect(m_firmware.get(), &QFirmwareUpgrade::upgradeProgress,
                                                   m_firmware.get(), &QFirmwareUpgrade::startFirmwareUpgrade);
  EXPECT_FALSE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  QObject::disconnect(click);
  EXPECT_TRUE(m_device->flashed());
  EXPECT_EQ(requestsOf(Iap::kSendFileInfo), 1);
  EXPECT_EQ(m_dialogs, 1);
  EXPECT_EQ(failed.count(), 0);

  // The tablet is unplugged halfway: the interface closes under the
  // transfer, which then fails instead of touching a closed device.
  ASSERT_TRUE(waitForArrivals(1));
  platform::HidBackend::current().unregisterVirtual(m_device.get());
  config.inBootLoader = true;
  plugIn(config);
  int reports = 0;
  QObject::connect(m_firmware.get(), &QFirmwareUpgrade::upgradeProgress, m_firmware.get(), [this, &reports] {
    if (++reports == 2) m_firmware->closeIapDevicePort();
  });
  EXPECT_FALSE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  EXPECT_EQ(failed.count(), 1);
  EXPECT_EQ(requestsOf(Iap::kWriteBlock), 1);
}
