#include "SimFirmwareWorld.h"

#include "driver/core/BrowserService.h"
#include "driver/core/FileDialogService.h"
#include "driver/firmware/IapConsole.h"
#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "tests/firmware/QuickFirmwareTiming.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void SimFirmwareWorld::SetUp() {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  useQuickFirmwareTiming();
  IapConsole::setSink([this](IapConsole::Stream stream, const QByteArray& text) {
    (stream == IapConsole::Stream::Error ? m_errorConsole : m_console) += text;
  });
  PromptService::setHandler([this](const PromptService::Prompt& prompt) {
    m_prompts.push_back(prompt);
    return m_answer;
  });
  FileDialogService::setHandler([this](const FileDialogService::Request&) {
    ++m_dialogs;
    return m_chosenFile;
  });
  BrowserService::setHandler([this](const QString& url) {
    m_openedPages << url;
    return true;
  });
  m_firmware = std::make_unique<QFirmwareUpgrade>();
}

void SimFirmwareWorld::TearDown() {
  m_firmware.reset();
  if (m_device) platform::HidBackend::current().unregisterVirtual(m_device.get());
  m_device.reset();
  PromptService::setHandler({});
  FileDialogService::setHandler({});
  BrowserService::setHandler({});
  IapConsole::setSink({});
  QFirmwareUpgrade::setTiming(QFirmwareUpgrade::Timing());
}

SimIapDevice::Config SimFirmwareWorld::larkA() {
  SimIapDevice::Config config;
  config.devType = 15000;
  config.capabilities = 7;
  config.hardwareMajor = 1;
  config.hardwareMinor = 5;
  config.chipCode = 1;
  config.penCode = 0;
  return config;
}

std::shared_ptr<SimIapDevice> SimFirmwareWorld::plugIn(const SimIapDevice::Config& config) {
  m_device = std::make_shared<SimIapDevice>(config);
  platform::HidBackend::current().registerVirtual(m_device);
  return m_device;
}

bool SimFirmwareWorld::waitForArrivals(int count) {
  QElapsedTimer clock;
  clock.start();
  while (m_device->arrivals() < count && clock.elapsed() < 2000) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  return m_device->arrivals() >= count;
}

int SimFirmwareWorld::requestsOf(const Iap::Command& command) const {
  int count = 0;
  for (const Iap::Request& request : m_device->requests()) count += request.command == command ? 1 : 0;
  return count;
}
