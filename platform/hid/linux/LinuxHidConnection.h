#pragma once

#include "platform/hid/HidConnection.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <bitset>
#include <memory>

namespace platform {

// An open /dev/hidrawN. Reads poll the device together with an eventfd, so
// cancelRead() from another thread ends a blocked read at once. Each read
// takes the next number; a cancel names the read in flight by it, so a
// wake-up that arrives after its read returned is drained and ignored by the
// next one. Once the node
// reports hang-up, error or ENODEV (the device was unplugged), the connection
// is gone for good: reads return 0 at once and writes fail.
class LinuxHidConnection : public HidConnection {
 public:
  struct ReportFormat {
    int output = 0;   // longest output report, incl. the id byte when numbered
    int feature = 0;  // longest feature report, likewise
    bool numbered = false;
    // The ids of the opened collection's input reports. hidraw hands out the
    // reports of every collection of the node; with numbered reports the
    // others' are dropped here, so a reader sees its collection's only. None
    // set: everything is delivered.
    std::bitset<256> inputIds;
  };

  // Opens `path` read-write; exclusive takes flock(LOCK_EX), shared LOCK_SH,
  // both without waiting, so an exclusive holder keeps every other open of
  // this driver out. Null when the node cannot be opened or is locked.
  static std::unique_ptr<LinuxHidConnection> open(const QString& path, bool exclusive, ReportFormat format);

  // Takes ownership of an already open descriptor (tests hand in socket pairs).
  LinuxHidConnection(int fd, ReportFormat format);
  ~LinuxHidConnection() override;

  LinuxHidConnection(const LinuxHidConnection&) = delete;
  LinuxHidConnection& operator=(const LinuxHidConnection&) = delete;

  bool valid() const { return m_fd >= 0 && m_wake >= 0; }

  void cancelRead() override;
  int write(const uint8_t* data, int length) override;
  bool setFeature(const uint8_t* data, int length) override;
  // hidraw offers no access to string descriptors.
  QByteArray indexedString(int index) override;
  bool isGone() const override { return m_gone; }

  // The kernel's name of the device (HIDIOCGRAWNAME); empty when the node has none.
  static QByteArray rawName(const QString& path);

 protected:
  int receive(uint8_t* buffer, int length, int timeoutMs) override;

 private:
  void markGone(const char* why);
  // hidraw wants the report number in front of every report it sends; without
  // numbered reports that is a 0 byte the kernel strips again.
  int sendReport(const uint8_t* data, int length, int limit, bool feature);

  const int m_fd;
  const int m_wake;
  const ReportFormat m_format;
  std::atomic<bool> m_gone{false};
  // Reads begun so far (the number of the latest), and the read a cancel was
  // meant for; only the reader advances the first.
  std::atomic<uint64_t> m_readsBegun{0};
  std::atomic<uint64_t> m_cancelledRead{0};
};

}  // namespace platform
