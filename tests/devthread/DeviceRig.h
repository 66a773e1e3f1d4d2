#pragma once

// The simulated world around one DevOperateThread: a HID backend without real
// devices, a simulated tablet of one model, a recording virtual pen and
// keyboard, and a prompt handler that counts (and answers) message boxes.

#include "driver/core/PromptService.h"
#include "driver/output/DevOperateThread.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/SimulatedTablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/sim/SimInputInjector.h"
#include "platform/virtualpen/VirtualPen.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <memory>

class DeviceRig {
 public:
  explicit DeviceRig(int devType, bool withVirtualPen = true) : model(*ModelTable::byDevType(devType)) {
    HidDevice::setSearchPauses(0, 0);
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    auto injector = std::make_unique<platform::SimInputInjector>();
    input = injector.get();
    platform::InputInjector::install(std::move(injector));
    if (withVirtualPen) pen = platform::VirtualPen::installRecorder();
    PromptService::setHandler([this](const PromptService::Prompt& prompt) {
      ++prompts;
      lastPrompt = prompt;
      return promptAnswer;
    });
    tablet = SimulatedTablet::plugIn(model);
  }

  ~DeviceRig() {
    PromptService::setHandler(nullptr);
    tablet->unregister();
    platform::VirtualPen::uninstall();
    platform::InputInjector::install(nullptr);
    platform::HidBackend::install(nullptr);
  }

  bool start(DevOperateThread& thread, QObject* firmware = nullptr) {
    return thread.startReadingDev(model.devType, firmware);
  }

  void push(const char* hex) { tablet->pushInput(QByteArray::fromHex(hex)); }

  // Waits until the worker took every queued report and waits for the next.
  bool settle(int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (tablet->pendingInput() > 0) {
      if (timer.elapsed() > timeoutMs) return false;
      QThread::usleep(100);
    }
    return tablet->waitForBlockedReads(1, timeoutMs);
  }

  size_t penReports() const { return pen ? pen->penReports().size() : 0; }

  // A hover report in the model's layout at raw (x, y) with raw pressure p.
  QByteArray hover(int x, int y, int p = 0, uint8_t status = 0xA0) const {
    QByteArray r(SimulatedTablet::kInputReportLength, '\0');
    if (model.devType == 23001 || model.devType == 24001) {  // layout D
      r[0] = 0x02;
      r[1] = 'A';
      r[2] = char(status);
      r[3] = char(x & 0xFF);
      r[4] = char((x >> 8) & 0xFF);
      r[5] = char(x > 0xFFFF ? 1 : 0);
      r[6] = char(y & 0xFF);
      r[7] = char((y >> 8) & 0xFF);
      r[9] = char(p & 0xFF);
      r[10] = char((p >> 8) & 0xFF);
    } else if (model.devType >= 21000) {  // layouts B and C, big-endian
      r[0] = 0x02;
      r[1] = char(status);
      r[2] = char((x >> 8) & 0xFF);
      r[3] = char(x & 0xFF);
      r[4] = char((y >> 8) & 0xFF);
      r[5] = char(y & 0xFF);
      r[6] = char((p >> 2) & 0xFF);
    } else {  // layout A
      r[0] = 0x02;
      r[1] = char(status);
      r[2] = char(x & 0xFF);
      r[3] = char((x >> 8) & 0xFF);
      r[4] = char(y & 0xFF);
      r[5] = char((y >> 8) & 0xFF);
      r[6] = char(p & 0xFF);
      r[7] = char((p >> 8) & 0xFF);
    }
    return r;
  }

  const ModelEntry& model;
  std::shared_ptr<platform::SimHidDevice> tablet;
  std::shared_ptr<platform::RecordingPenOutput> pen;
  platform::SimInputInjector* input = nullptr;
  std::atomic<int> prompts{0};
  PromptService::Prompt lastPrompt;
  PromptService::Answer promptAnswer = PromptService::Answer::Ok;
};

// Waits, letting queued calls run, until `done` holds; false on timeout.
template <typename Condition>
bool waitUntil(Condition done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(200);
  }
  return true;
}
