#pragma once

#include "driver/tablet/HidDevice.h"
#include "driver/tablet/PenState.h"
#include "driver/tablet/RawReport.h"
#include "driver/tablet/ReportLayout.h"
#include "driver/tablet/TabletSettings.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

// The open tablet: its vendor HID interface, its settings and the decoder of
// its reports. Key events found in reports run the user's key functions.
class Tablet : public QObject {
  Q_OBJECT

 public:
  // Results of readReport().
  enum ReadResult { PenReport = 1, NothingRead = 2, Consumed = 3 };

  static constexpr int kReportBufferSize = 1024;
  // The report that the Fjord4Pro family needs some time after the init report.
  static constexpr int kSecondInitDelayMs = 150;

  // Opens the interface with overlapped reads; isOpen() tells the result.
  Tablet(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
         QObject* parent = nullptr);
  ~Tablet() override;

  bool isOpen() const { return m_hid != nullptr; }
  HidDevice* hid() const { return m_hid.get(); }

  // Switches the tablet into its vendor report mode. True when the init
  // report went out (or there is none). Call on a thread with an event loop:
  // the Fjord4Pro family's second report is sent by a timer of that thread.
  bool start(int devType);

  // Reads and decodes one report: PenReport when penState() was filled,
  // NothingRead when the read gave nothing (penState().valid is then false),
  // Consumed for a discarded report, a key report, a pen-button release or a
  // report of an unknown model.
  int readReport(bool discard);

  const PenState& penState() const { return m_penState; }
  const RawReport& report() const { return m_layout.report; }
  int devType() const { return m_devType; }
  int penStateCode() const { return m_layout.penStateCode; }
  int pendingKey() const { return m_layout.pendingKey; }
  bool toolFlag() const { return m_toolFlag; }

  // Runs the function of a key going down or up and announces it.
  void runKeyFunction(int keyType, bool pressed);
  static void pressShortcut(const QString& shortcut, bool pressed);
  static void sendShortcut(const QString& shortcut, bool pressed);

  // Shared by every tablet of the process: whether the tip draws as eraser.
  static bool eraserMode();
  static void setEraserMode(bool on);

  // The clock of the centre-key timer, in milliseconds; tests replace it.
  using Clock = qint64 (*)();
  static void setClock(Clock clock);

  TabletSettings settings;

 signals:
  void functionHint(QString hintText);
  void showTabletDriver();
  void swiveCenterKey(bool isPressed);

 private:
  int decodeReport();
  bool handlePenButton();
  void handleToolReport();
  void keepLastPosition();
  void handleKeyReport();
  void fillPenState();

  std::shared_ptr<HidDevice> m_hid;
  int m_devType = -1;
  const ReportLayout* m_decoder = nullptr;
  LayoutState m_layout;
  bool m_buttonReleased = true;
  bool m_toolFlag = false;
  PenState m_penState;
  std::array<uint8_t, kReportBufferSize> m_buffer{};
};
