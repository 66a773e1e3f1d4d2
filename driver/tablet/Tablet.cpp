#include "driver/tablet/Tablet.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/keys/KeyFunctionTable.h"
#include "driver/keys/KeyNameTable.h"
#include "driver/keys/KeySettings.h"
#include "driver/keys/ShortcutInjector.h"
#include "driver/tablet/ExpressKeyMap.h"
#include "driver/tablet/TabletLog.h"
#include "platform/input/InputInjector.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>

using namespace MyQmlEnum;

namespace {

// The second report the Fjord4Pro family waits for after the init report.
constexpr uint8_t kSecondInitReport[9] = {0x09, 0x02, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
// A centre-key press shorter than this steps the dial; a longer one belongs
// to the controller's long-press handling.
constexpr qint64 kCenterKeyShortPressMs = 800;

qint64 monotonicMs() {
  static QElapsedTimer timer = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return timer.elapsed();
}

// State of the process, not of one tablet: the eraser mode survives a
// replugged tablet, and so do the last pen position and the centre-key timer.
std::atomic<bool> s_eraserMode{false};
// The position is kept whole: the wide panels count past 16 bits in X.
std::atomic<uint32_t> s_lastX{0};
std::atomic<uint16_t> s_lastY{0};
std::atomic<qint64> s_centerKeyPressedAt{-1};
std::atomic<Tablet::Clock> s_clock{&monotonicMs};

bool isPenButton(int key) { return key == PenUpKey || key == PenDownKey; }

}  // namespace

Tablet::Tablet(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
               QObject* parent)
    : QObject(parent), m_hid(std::make_shared<HidDevice>(vendorId, productId, usagePage, usage, exclusive, true)) {
  if (!m_hid->opened()) m_hid.reset();
  KeyNameTable::fill();
  // A new virtual keyboard needs a moment before the desktop reads it, so it
  // is made now rather than at the first key press, whose shortcut it would lose.
  platform::InputInjector::current();
}

Tablet::~Tablet() = default;

bool Tablet::eraserMode() { return s_eraserMode; }
void Tablet::setEraserMode(bool on) { s_eraserMode = on; }
void Tablet::setClock(Clock clock) { s_clock = clock ? clock : &monotonicMs; }

void Tablet::pressShortcut(const QString& shortcut, bool pressed) { ShortcutInjector::pressShortcut(shortcut, pressed); }
void Tablet::sendShortcut(const QString& shortcut, bool pressed) { ShortcutInjector::sendShortcut(shortcut, pressed); }

bool Tablet::start(int devType) {
  m_devType = devType;
  m_decoder = ReportLayout::forDevType(devType);
  m_layout.penStateCode = 1;
  if (devType == CFG_Fjord1 || devType == CFG_Fjord3 || devType == CFG_Fjord4) m_toolFlag = true;

  if ((devType == CFG_Fjord4Pro || devType == CFG_Fjord5pro) && m_hid) {
    // Written by a timer of this thread while the device thread may already
    // wait in a read; the write path does not touch the read.
    std::weak_ptr<HidDevice> device = m_hid;
    QTimer::singleShot(kSecondInitDelayMs, [device] {
      if (const std::shared_ptr<HidDevice> hid = device.lock()) {
        if (hid->write(kSecondInitReport, int(sizeof kSecondInitReport)) <= 0)
          qCWarning(lcTablet) << "the second init report was not written";
      }
    });
  }

  int length = int(settings.initReport.size());
  if (settings.initReportLength > 0) length = std::min(length, settings.initReportLength);
  if (length <= 0) return true;
  if (!m_hid) return false;
  return m_hid->write(settings.initReport.data(), length) > 0;
}

int Tablet::readReport(bool discard) {
  m_buffer.fill(0);
  int received = 0;
  if (m_hid) {
    const int length = std::min(m_hid->inputReportLength(), kReportBufferSize);
    if (length > 0) received = m_hid->read(m_buffer.data(), length);
  }
  if (received <= 0) {
    m_penState.valid = false;
    return NothingRead;
  }
  if (discard) return Consumed;
  if (!m_decoder) return Consumed;
  if (decodeReport() != PenReport) return Consumed;
  fillPenState();
  return PenReport;
}

int Tablet::decodeReport() {
  static_assert(ReportLayout::kLongestField < kReportBufferSize, "every layout fits the buffer");
  m_layout.toolReport = false;
  m_decoder->decode(m_buffer.data(), m_layout);
  if (m_layout.toolReport) handleToolReport();

  bool allReleased = false;
  if (m_layout.penStateCode == 0) {
    allReleased = ExpressKeyMap::apply(settings.format, m_layout.report.status, m_layout.report.x, m_layout.pendingKey);
  }
  if (handlePenButton()) return Consumed;
  keepLastPosition();
  if (m_layout.penStateCode != 0) return PenReport;

  if (KeySettings::current().disableShortKey()) return Consumed;
  const int key = m_layout.pendingKey;
  if (!allReleased) {
    if (key == RCenterKey) {
      emit swiveCenterKey(true);
      s_centerKeyPressedAt = s_clock.load()();
    } else {
      runKeyFunction(key, true);
    }
  } else {
    if (key == RCenterKey) {
      emit swiveCenterKey(false);
      const qint64 pressedAt = s_centerKeyPressedAt;
      if (pressedAt >= 0 && s_clock.load()() - pressedAt < kCenterKeyShortPressMs) runKeyFunction(RCenterKey, false);
    } else {
      runKeyFunction(key, false);
    }
    m_layout.pendingKey = NokeyDown;
  }
  return Consumed;
}

// Announces a pen button going down, and going up once the pen reports no
// button any more. True when the report was the release (it gives no pen output).
bool Tablet::handlePenButton() {
  const int key = m_layout.pendingKey;
  if (!isPenButton(key)) return false;
  if (m_buttonReleased) {
    runKeyFunction(key, true);
    m_buttonReleased = false;
  }
  const int code = m_layout.penStateCode;
  if (code < 1 || code > 3) return false;

  runKeyFunction(key, false);
  m_buttonReleased = true;
  KeySettings& keys = KeySettings::current();
  if (key == PenDownKey) {
    if (keys.shortcutkeyEnum(PenDownKey) == EPenEraserTool) s_eraserMode = !s_eraserMode;
  } else {
    const int upFunction = keys.shortcutkeyEnum(PenUpKey);
    if (upFunction == EEraserTool) s_eraserMode = true;
    if (upFunction == EPenEraserTool) s_eraserMode = !s_eraserMode;
  }
  m_layout.pendingKey = NokeyDown;
  return true;
}

// The pen tells which end it brings into proximity; drawing programs get the
// matching tool shortcut.
void Tablet::handleToolReport() {
  const uint32_t tool = m_layout.report.x;
  if (tool == kToolEraserEnd) {
    m_toolFlag = true;
    ShortcutInjector::tapShortcut(QStringLiteral("[E]"));
  } else if (tool == kToolPenTip && m_toolFlag) {
    ShortcutInjector::tapShortcut(QStringLiteral("[B]"));
    m_toolFlag = false;
  }
}

void Tablet::keepLastPosition() {
  int& code = m_layout.penStateCode;
  if (m_devType >= CFG_Fjord1) {
    // These panels report the pen leaving at position 0; it leaves where it
    // was. Key reports carry key bits where the position would be, so they
    // leave the last position alone.
    if (code == 0) return;
    if (code == 1) {
      m_layout.report.x = s_lastX;
      m_layout.report.y = s_lastY;
    } else {
      s_lastX = m_layout.report.x;
      s_lastY = m_layout.report.y;
    }
    if (code == 3 && (m_toolFlag || s_eraserMode)) code = 9;
  } else if (code == 3 && s_eraserMode) {
    code = 9;
  }
}

void Tablet::fillPenState() {
  const RawReport& report = m_layout.report;
  m_penState.valid = true;
  m_penState.outOfRange = m_layout.penStateCode == 1;
  m_penState.status = report.status;
  m_penState.code = m_layout.penStateCode;
  m_penState.x = double(report.x) / settings.maxX * settings.width;
  m_penState.y = double(report.y) / settings.maxY * settings.height;
  m_penState.pressure = double(report.pressure) / settings.maxPressure;
  m_penState.tiltX = report.tiltX;
  m_penState.tiltY = report.tiltY;
}

void Tablet::runKeyFunction(int keyType, bool pressed) {
  const KeyFunctionOutcome outcome = KeyFunctionTable::run(keyType, pressed);
  if (outcome.showDriver) emit showTabletDriver();
  if (!outcome.hint.isEmpty()) emit functionHint(outcome.hint);
}
