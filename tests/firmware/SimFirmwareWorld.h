#pragma once

#include "driver/core/PromptService.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/firmware/sim/SimIapDevice.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A simulated HID world with one boot loader, answered prompts and dialogs,
// a caught terminal and short waits, around one firmware controller.
class SimFirmwareWorld : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A LarkA in its application: capability word 7, hardware 1.05, chip 1
  // (CP1), pen code 0 (W3).
  static SimIapDevice::Config larkA();
  std::shared_ptr<SimIapDevice> plugIn(const SimIapDevice::Config& config);
  // Waits (running events) until the device has arrived `count` times.
  bool waitForArrivals(int count);
  int requestsOf(const Iap::Command& command) const;

  std::unique_ptr<QFirmwareUpgrade> m_firmware;
  std::shared_ptr<SimIapDevice> m_device;

  PromptService::Answer m_answer = PromptService::Answer::Ok;
  std::vector<PromptService::Prompt> m_prompts;
  QString m_chosenFile;
  int m_dialogs = 0;
  QStringList m_openedPages;
  QByteArray m_console;
  QByteArray m_errorConsole;
};
