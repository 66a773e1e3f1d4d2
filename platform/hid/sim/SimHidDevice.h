#pragma once

#include "platform/hid/VirtualHidDevice.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

class SimHidConnection;

// A HID device living inside the process, built from data: an identity and one
// or more top-level collections with their report lengths. Simulated tablets,
// the simulated boot loader, --simulate and tests build on it.
//
// Each collection is its own interface with its own input queue. pushInput()
// may be called from any thread; a blocked read wakes at once. unplug() makes
// the device vanish: pending and later reads return 0 at once, writes fail,
// and it no longer enumerates. Every output and feature report that a
// connection sends is logged, and an optional handler sees it on the writing
// thread (outside any lock, so it may push the device's answer).
//
// Always hold it in a std::shared_ptr (open() relies on it).
class SimHidDevice : public VirtualHidDevice, public std::enable_shared_from_this<SimHidDevice> {
 public:
  struct Collection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int inputReportLength = 0;  // all lengths include the report-id byte
    int outputReportLength = 0;
    int featureReportLength = 0;
  };

  enum class ReportKind { Output, Feature };

  struct WrittenReport {
    ReportKind kind;
    int collection;  // index into the collections
    QByteArray data;
  };

  // Called for every accepted output or feature report, on the thread that wrote it.
  using WriteHandler = std::function<void(const WrittenReport&)>;

  SimHidDevice(uint16_t vendorId, uint16_t productId, std::vector<Collection> collections,
               QByteArray product = QByteArray(), QByteArray manufacturer = QByteArray(),
               QByteArray serial = QByteArray());
  ~SimHidDevice() override;

  SimHidDevice(const SimHidDevice&) = delete;
  SimHidDevice& operator=(const SimHidDevice&) = delete;

  uint16_t vendorId() const { return m_vendorId; }
  uint16_t productId() const { return m_productId; }
  const std::vector<Collection>& collections() const { return m_collections; }

  // Registers with / removes from the current HID backend.
  void plugIn();
  void unregister();

  // Queues one input report for the collection's readers.
  void pushInput(const QByteArray& report, int collection = 0);
  void pushInput(const uint8_t* report, int length, int collection = 0);
  int pendingInput(int collection = 0) const;

  // The device is pulled out: every pending and later read returns 0 at once.
  void unplug();
  bool isGone() const;

  void setWriteHandler(WriteHandler handler);
  // While set, writes and feature reports are refused as a stalled device would.
  void setWritesFail(bool fail);
  // While set, every open is refused (for instance no permission on the node).
  void setOpenRefused(bool refused);
  void setIndexedString(int index, const QByteArray& text);

  std::vector<WrittenReport> writtenReports() const;
  std::vector<QByteArray> outputReports(int collection = 0) const;
  std::vector<QByteArray> featureReports(int collection = 0) const;
  void clearWrittenReports();

  // Waits until at least `count` reports have been logged; false on timeout.
  bool waitForWrittenReports(size_t count, int timeoutMs) const;
  // Waits until at least `count` reads are blocked on the device; false on timeout.
  bool waitForBlockedReads(int count, int timeoutMs) const;

  int openConnections() const;

  std::vector<HidInterfaceInfo> interfaces() const override;
  std::unique_ptr<HidConnection> open(const HidInterfaceInfo& which, bool exclusive) override;

 private:
  friend class SimHidConnection;

  HidInterfaceInfo interfaceInfo(int collection) const;
  int collectionOfPath(const QString& path) const;

  // Called by connections.
  int read(SimHidConnection& reader, uint8_t* buffer, int length, int timeoutMs);
  void cancelRead(SimHidConnection& reader);
  int write(int collection, ReportKind kind, const uint8_t* data, int length);
  QByteArray indexedString(int index) const;
  void closed(SimHidConnection& connection);

  const uint16_t m_vendorId;
  const uint16_t m_productId;
  const std::vector<Collection> m_collections;
  const QByteArray m_product;
  const QByteArray m_manufacturer;
  const QByteArray m_serial;
  const QString m_pathPrefix;

  mutable std::mutex m_lock;
  mutable std::condition_variable m_changed;
  std::vector<std::deque<QByteArray>> m_input;
  std::vector<SimHidConnection*> m_connections;
  std::vector<WrittenReport> m_written;
  std::map<int, QByteArray> m_strings;
  WriteHandler m_writeHandler;
  int m_blockedReads = 0;
  bool m_gone = false;
  bool m_writesFail = false;
  bool m_openRefused = false;
};

}  // namespace platform
