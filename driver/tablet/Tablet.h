#pragma once

#include "driver/tablet/HidDevice.h"
#include "driver/tablet/PenState.h"
#include "driver/tablet/RawReport.h"
#include "driver/tablet/TabletSettings.h"

#include <QObject>
#include <QString>
#include <memory>

// The open tablet: its vendor HID interface, its settings and the decoder of
// its reports. Key events found in reports run the user's key functions.
class Tablet : public QObject {
  Q_OBJECT

 public:
  // Opens the interface with overlapped reads; isOpen() tells the result.
  Tablet(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
         QObject* parent = nullptr);
  ~Tablet() override;

  bool isOpen() const { return m_hid != nullptr; }
  HidDevice* hid() const { return m_hid.get(); }

  TabletSettings settings;

 signals:
  void functionHint(QString hintText);
  void showTabletDriver();
  void swiveCenterKey(bool isPressed);

 private:
  std::unique_ptr<HidDevice> m_hid;
};
