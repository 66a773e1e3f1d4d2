// The exchange with the boot loader: one request report out, one answer
// report in, with the progress the window sees hooked onto the requests that
// start and carry a transfer.

#include "driver/firmware/FirmwareLog.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/firmware/ReadDeadline.h"
#include "driver/tablet/HidDevice.h"

#include <QEventLoop>
#include <QTimer>
#include <cstring>

namespace {

constexpr int kModeIap = 2;
constexpr int kAnswerBufferSize = 1200;

QFirmwareUpgrade::Timing s_timing;
float s_transferProgress = 0;

uint16_t get16(const uint8_t* at) { return uint16_t(at[0] << 8 | at[1]); }

bool isCommand(const uint8_t* report, const Iap::Command& command) {
  return get16(report + 8) == command.word0 && get16(report + 10) == command.word1 &&
         get16(report + 12) == command.word2;
}

void runLocalLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(qMax(0, milliseconds), &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

void QFirmwareUpgrade::setTiming(const Timing& timing) { s_timing = timing; }

QFirmwareUpgrade::Timing QFirmwareUpgrade::timing() { return s_timing; }

float QFirmwareUpgrade::transferProgress() { return s_transferProgress; }

void QFirmwareUpgrade::setTransferProgress(float progress) { s_transferProgress = progress; }

void QFirmwareUpgrade::reportProgress(int value) {
  if (QFirmwareUpgrade* controller = instance()) emit controller->upgradeProgressStatic(value);
  runLocalLoop(s_timing.progressLoopMs);
}

int Driver_Comm_SendReceive_Callback(QFirmwareUpgrade* context, int mode, uint8_t* report, uint16_t count,
                                     uint8_t* answer, uint16_t* answerLength) {
  if (!context || mode != kModeIap || !context->m_iapDevice || count < Iap::kEmptyRequestSize) return 0;
  report[0] = Iap::kReportId;

  if (isCommand(report, Iap::kJumpToBoot)) {
    qCDebug(lcFirmware) << " sheng ji kai shi";
    context->reportProgress(0);
  } else if (isCommand(report, Iap::kWriteBlock) && count > Iap::kEmptyRequestSize) {
    if (report[14] == 1) {
      runLocalLoop(s_timing.lastBlockDelayMs);
      context->reportProgress(100);
      qCDebug(lcFirmware) << " sheng ji jishu";
    } else if (report[14] == 0) {
      context->reportProgress(int(s_transferProgress));
    }
  }

  // The progress loop runs events; the interface may have been closed there.
  HidDevice* device = context->m_iapDevice.get();
  if (!device) return 0;
  if (device->write(report, count) <= 0) {
    qCCritical(lcFirmware) << "[Driver_Comm_SendReceive_Callback] The write command failed.";
    return 0;
  }

  uint8_t buffer[kAnswerBufferSize];
  std::memset(buffer, 0, sizeof buffer);
  const int wanted = qBound(1, device->inputReportLength(), kAnswerBufferSize);
  int received = 0;
  {
    ReadDeadline deadline(s_timing.answerTimeoutMs, [device] { device->cancelRead(); });
    received = device->read(buffer, wanted);
  }
  if (received <= 0) {
    qCCritical(lcFirmware) << "[Driver_Comm_SendReceive_Callback] The read command failed.";
    return 0;
  }
  std::memcpy(answer, buffer, size_t(received));
  *answerLength = uint16_t(received);
  return received;
}

Iap::Answer QFirmwareUpgrade::request(const Iap::Command& command, const QByteArray& payload) {
  QByteArray report = Iap::buildRequest(command, payload);
  uint8_t answer[kAnswerBufferSize];
  std::memset(answer, 0, sizeof answer);
  uint16_t answerLength = 0;
  if (report.size() > 0xFFFF) return Iap::Answer();
  Driver_Comm_SendReceive_Callback(this, kModeIap, reinterpret_cast<uint8_t*>(report.data()), uint16_t(report.size()),
                                   answer, &answerLength);
  return Iap::parseAnswer(answer, answerLength);
}
