#include "FirmwareTestSupport.h"
#include "SimFirmwareWorld.h"

#include "driver/firmware/FirmwareModels.h"
#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"

#include <QElapsedTimer>
#include <QSignalSpy>

using Fault = SimIapDevice::Fault;

class FirmwareQuery : public SimFirmwareWorld {
 protected:
  // Values that differ from every default: a swapped digit shows.
  static SimIapDevice::Config larkA() {
    SimIapDevice::Config config = SimFirmwareWorld::larkA();
    config.firmwareMajor = 1;
    config.firmwareMinor = 5;
    config.hardwareMajor = 2;
    config.hardwareMinor = 3;
    config.chipCode = 6;
    config.penCode = 1;
    return config;
  }
};

TEST_F(FirmwareQuery, AnArrivalInTheApplicationShowsVersionsTypeAndPen) {
  plugIn(larkA());
  QSignalSpy firmwareVer(m_firmware.get(), &QFirmwareUpgrade::firmwareVerChanged);
  QSignalSpy hardWareVer(m_firmware.get(), &QFirmwareUpgrade::hardWareVerChanged);
  QSignalSpy firmwareType(m_firmware.get(), &QFirmwareUpgrade::firmwareTypeChanged);
  QSignalSpy penType(m_firmware.get(), &QFirmwareUpgrade::penTypeChanged);

  EXPECT_TRUE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  EXPECT_EQ(m_firmware->firmwareVer(), "1.05");
  EXPECT_EQ(m_firmware->hardWareVer(), "2.03");
  EXPECT_EQ(m_firmware->firmwareType(), "CP7");
  EXPECT_EQ(m_firmware->penType(), "W3A");
  EXPECT_EQ(firmwareVer.count(), 1);
  EXPECT_EQ(hardWareVer.count(), 1);
  EXPECT_EQ(firmwareType.count(), 1);
  EXPECT_EQ(penType.count(), 1);
  EXPECT_EQ(m_firmware->iapDevice(), nullptr);
  EXPECT_TRUE(m_console.contains("[Varnex IAP]:  ->??HidRes\r\n"));

  // The same values again are no change for the window, except the pen type.
  m_firmware->setFirmwareVer("1.05");
  m_firmware->setFirmwareType("CP7");
  m_firmware->setPenType(1);
  EXPECT_EQ(firmwareVer.count(), 1);
  EXPECT_EQ(firmwareType.count(), 1);
  EXPECT_EQ(penType.count(), 2);
}

TEST_F(FirmwareQuery, TheStPlatformHasOneFirmwareTypeAndIsNotAskedForMore) {
  SimIapDevice::Config config = larkA();
  config.capabilities = 0;
  plugIn(config);
  ASSERT_TRUE(m_firmware->OpenIapDevicePort(15000));
  EXPECT_TRUE(m_firmware->queryDeviceVersions(15000));
  EXPECT_EQ(m_firmware->firmwareType(), "CP1");
  EXPECT_EQ(m_firmware->penType(), "W3");
  EXPECT_EQ(requestsOf(Iap::getAdditionalMsg(15000)), 0);
}

TEST_F(FirmwareQuery, AnUnknownPenCodeKeepsThePenTypeButStillTellsTheWindow) {
  SimIapDevice::Config config = larkA();
  config.devType = 14000;
  config.penCode = 1;
  plugIn(config);
  m_firmware->OpenIapDevicePort(14000);
  ASSERT_TRUE(m_firmware->queryBootDeviceInfo());
  EXPECT_EQ(m_firmware->penType(), "W4");
  QSignalSpy penType(m_firmware.get(), &QFirmwareUpgrade::penTypeChanged);
  m_firmware->setPenType(2);
  EXPECT_EQ(m_firmware->penType(), "W4");
  ASSERT_EQ(penType.count(), 1);
  EXPECT_EQ(penType.front().front().toString(), "W4");
}

TEST_F(FirmwareQuery, ABadCrcIsStatus8AndTheVersionQueryFails) {
  plugIn(larkA())->setFault(Fault::BadCrc, Iap::getShVersion(15000));
  m_firmware->OpenIapDevicePort(15000);
  fwtest::LogCapture log;
  EXPECT_FALSE(m_firmware->queryDeviceVersions(15000));
  EXPECT_EQ(m_firmware->lastVersion().status, 8u);
  EXPECT_TRUE(log.contains("[GetSHVersion] RspErrCode: 8"));
  EXPECT_TRUE(m_firmware->firmwareVer().isEmpty());
}

TEST_F(FirmwareQuery, AnAnswerCutShortIsStatus8) {
  plugIn(larkA())->setFault(Fault::ShortAnswer, Iap::kQueryRunRegion);
  m_firmware->OpenIapDevicePort(15000);
  EXPECT_EQ(m_firmware->getIsBoot("/opt/varnex/bin"), -1);
  EXPECT_EQ(m_firmware->request(Iap::getShVersion(15000)).status, 0u);
}

TEST_F(FirmwareQuery, ASilentTabletCostsABoundedWaitNotAFrozenProgram) {
  plugIn(larkA())->setFault(Fault::NoAnswer);
  m_firmware->OpenIapDevicePort(15000);
  fwtest::LogCapture log;
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(m_firmware->getIsBoot("/opt/varnex/bin"), -1);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_TRUE(log.contains("[Driver_Comm_SendReceive_Callback] The read command failed."));
  // The tablet speaks again: the next request is answered normally.
  m_device->setFault(Fault::None);
  EXPECT_EQ(m_firmware->getIsBoot("/opt/varnex/bin"), 0);
}

// A late answer comes when the next request is sent, just before that
// request's own answer: it must never be read as the answer of the next one.
TEST_F(FirmwareQuery, ARunRegionAnswerThatComesLateIsNotReadAsTheVersion) {
  plugIn(larkA())->setFault(Fault::LateAnswer, Iap::kQueryRunRegion);
  fwtest::LogCapture log;
  EXPECT_TRUE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
  EXPECT_TRUE(log.contains("getIsBoot error"));
  EXPECT_EQ(m_firmware->firmwareVer(), "1.05");
  EXPECT_EQ(m_firmware->hardWareVer(), "2.03");
  EXPECT_EQ(m_firmware->firmwareType(), "CP7");
  EXPECT_EQ(m_firmware->penType(), "W3A");
}

TEST_F(FirmwareQuery, ALateAnswerToTheSameRequestIsToldApartByItsSequenceNumber) {
  plugIn(larkA())->setFault(Fault::LateAnswer, Iap::getAdditionalMsg(15000));
  m_firmware->OpenIapDevicePort(15000);
  fwtest::LogCapture log;
  // Its answer does not come in time: a clean failure, no chip or pen code.
  EXPECT_FALSE(m_firmware->queryBootDeviceInfo());
  EXPECT_TRUE(log.contains("GetAdditionalMsg error"));
  EXPECT_TRUE(m_firmware->firmwareType().isEmpty());

  // Asked again, the late answer arrives first and is dropped; the new one
  // is taken, and nothing is left over to be read as the version.
  m_device->setFault(Fault::None);
  EXPECT_TRUE(m_firmware->queryBootDeviceInfo());
  EXPECT_EQ(m_firmware->firmwareType(), "CP7");
  EXPECT_TRUE(m_firmware->queryDeviceVersions(15000));
  EXPECT_EQ(m_firmware->firmwareVer(), "1.05");
  EXPECT_EQ(m_firmware->hardWareVer(), "2.03");
}

TEST_F(FirmwareQuery, WithoutAnInterfaceEveryRequestFails) {
  fwtest::LogCapture log;
  EXPECT_FALSE(m_firmware->OpenIapDevicePort(15000));
  EXPECT_TRUE(log.contains("iapDevice error"));
  EXPECT_EQ(m_firmware->iapCapabilities(), 0u);
  EXPECT_EQ(m_firmware->getIsBoot("/opt/varnex/bin"), -1);
  // The arrival goes on and the tablet is opened as usual.
  EXPECT_TRUE(m_firmware->handleArrival(15000, "/opt/varnex/bin"));
}

TEST_F(FirmwareQuery, TheDownloadHintLogsTheAddressWhetherOrNotThePageOpens) {
  m_firmware->setFirmwareType("CP2");
  m_answer = PromptService::Answer::Cancel;
  fwtest::LogCapture log;
  m_firmware->firmwareDownload("Lark A");
  EXPECT_TRUE(log.contains("g_downLoadurl22:"));
  EXPECT_TRUE(m_openedPages.isEmpty());
  ASSERT_EQ(m_prompts.size(), 1u);
  EXPECT_EQ(m_prompts[0].icon, PromptService::Icon::Warning);
  EXPECT_EQ(m_prompts[0].title, "下载提示");
  EXPECT_TRUE(m_prompts[0].text.contains("Lark A")) << m_prompts[0].text.toStdString();
  EXPECT_TRUE(m_prompts[0].text.contains("CP2"));

  m_answer = PromptService::Answer::Ok;
  m_firmware->firmwareDownload("Lark A");
  EXPECT_EQ(m_openedPages.size(), 1);
}
