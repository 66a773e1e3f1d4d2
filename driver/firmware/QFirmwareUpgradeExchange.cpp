// The exchange with the boot loader: one request report out, its answer
// report in, with the progress the window sees hooked onto the requests that
// start and carry a transfer.
//
// An answer that comes after its time ran out must never pass for the answer
// of a later request (a late run-region answer read as the version would show
// 0.00; a late additional message would feed wrong chip or pen codes into the
// checks that decide whether a file may be flashed). So whatever is queued is
// dropped before a request goes out, and only an answer carrying the
// request's command words is taken; one that also carries the sequence number
// of a request whose time ran out is that request's and dropped too. A
// damaged answer cannot say whose it is and counts as a failed answer.

#include "driver/firmware/FirmwareLog.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/tablet/HidDevice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstring>
#include <optional>

namespace {

constexpr int kModeIap = 2;
constexpr int kAnswerBufferSize = 1200;
// More queued reports than this before a request means the interface floods
// us; the request goes out anyway and matching sorts the answers.
constexpr int kMostStaleAnswers = 64;

QFirmwareUpgrade::Timing s_timing;
float s_transferProgress = 0;

uint16_t get16(const uint8_t* at) { return uint16_t(at[0] << 8 | at[1]); }

bool isCommand(const uint8_t* report, const Iap::Command& command) {
  return get16(report + 8) == command.word0 && get16(report + 10) == command.word1 &&
         get16(report + 12) == command.word2;
}

// The last request that got no answer in time; its answer may still come.
std::optional<Iap::Header> s_unanswered;

Iap::Header headerOfRequest(const uint8_t* report) {
  return {get16(report + 4), {get16(report + 8), get16(report + 10), get16(report + 12)}};
}

bool isAnswerTo(const Iap::Header& request, const uint8_t* answer, int received) {
  const std::optional<Iap::Header> header = Iap::parseHeader(answer, received);
  if (!header) return true;  // parses as a failed answer of this request
  if (!(header->command == request.command)) return false;
  const bool late = s_unanswered && header->sequence != request.sequence &&
                    header->sequence == s_unanswered->sequence && header->command == s_unanswered->command;
  return !late;
}

void dropQueuedAnswers(HidDevice* device, uint8_t* buffer, int length) {
  for (int i = 0; i < kMostStaleAnswers && device->read(buffer, length, 0) > 0; ++i)
    qCDebug(lcFirmware) << "dropped an answer that came after its time ran out";
}

// Reads until the answer to `request` arrives or the time runs out; the bytes
// received, 0 when no answer came.
int readAnswerTo(HidDevice* device, const Iap::Header& request, uint8_t* buffer, int length) {
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    const int left = int(qMax<qint64>(0, s_timing.answerTimeoutMs - clock.elapsed()));
    std::memset(buffer, 0, size_t(length));
    const int received = device->read(buffer, length, left);
    if (received <= 0) return 0;
    if (isAnswerTo(request, buffer, received)) return received;
    qCDebug(lcFirmware) << "dropped an answer that belongs to another request";
    if (left == 0) return 0;
  }
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
  uint8_t buffer[kAnswerBufferSize];
  const int wanted = qBound(1, device->inputReportLength(), kAnswerBufferSize);
  dropQueuedAnswers(device, buffer, wanted);
  if (device->write(report, count) <= 0) {
    qCCritical(lcFirmware) << "[Driver_Comm_SendReceive_Callback] The write command failed.";
    return 0;
  }

  const Iap::Header request = headerOfRequest(report);
  const int received = readAnswerTo(device, request, buffer, wanted);
  if (received <= 0) {
    s_unanswered = request;
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
