#pragma once

#include <QByteArray>
#include <functional>
#include <string>

// One HID interface made with the kernel's uhid: created on plug(), gone on
// unplug() (as when the cable is pulled). The kernel's requests to the
// device (output reports, feature reads and writes) come in through
// handleEvents(), which the owner calls whenever the descriptor is readable.
class UhidDevice {
 public:
  struct Identity {
    QByteArray name;
    QByteArray phys;  // unique per interface, so its hidraw node can be found
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    QByteArray descriptor;
    bool numbered = false;  // the descriptor gives report ids
  };
  // Called with each output report (or feature write) the host sends, the
  // report id first; what it returns is sent back as an input report
  // (nothing when empty). A feature read gets the answer named by
  // `featureAnswer`.
  using OutputHandler = std::function<QByteArray(const QByteArray& report, bool feature)>;
  using FeatureAnswer = std::function<QByteArray(uint8_t reportId)>;

  UhidDevice(Identity identity, OutputHandler onOutput, FeatureAnswer featureAnswer);
  ~UhidDevice();
  UhidDevice(const UhidDevice&) = delete;
  UhidDevice& operator=(const UhidDevice&) = delete;

  bool plug(std::string& error);
  void unplug();
  bool plugged() const { return m_fd >= 0; }
  int fd() const { return m_fd; }
  const Identity& identity() const { return m_identity; }

  // An input report as the device sends it (report id first when numbered).
  bool send(const QByteArray& report);
  // Reads and answers what the kernel has queued; never blocks.
  void handleEvents();
  // The /dev/hidrawN node of this interface while plugged, or empty.
  std::string hidrawNode() const;

 private:
  Identity m_identity;
  OutputHandler m_onOutput;
  FeatureAnswer m_featureAnswer;
  int m_fd = -1;
};
