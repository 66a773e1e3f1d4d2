#pragma once

#include "driver/firmware/IapFrame.h"
#include "platform/hid/VirtualHidDevice.h"

#include <QByteArray>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// A tablet's IAP interface with its boot loader, living in this process:
// answers every request with proper frames, switches to the boot loader on
// JumpToBoot (leaving, then arriving again), takes a firmware file block by
// block and keeps what it received. Register it with
// platform::HidBackend::current().registerVirtual().
class SimIapDevice : public platform::VirtualHidDevice, public std::enable_shared_from_this<SimIapDevice> {
 public:
  struct Config {
    int devType = 15000;
    uint32_t capabilities = 7;  // announced in the product string
    uint8_t firmwareMajor = 1;
    uint8_t firmwareMinor = 0;
    uint8_t hardwareMajor = 1;
    uint8_t hardwareMinor = 0;
    uint8_t chipCode = 1;
    uint8_t penCode = 0;
    uint8_t spare = 0;
    bool inBootLoader = false;
    uint32_t reservedFlash = 0x20000;
  };

  // How the device misbehaves: an answer with a broken CRC, one whose length
  // field reaches past the report, none at all, a non-zero status, or an
  // answer that comes late: only when the next request arrives, just before
  // that request's own answer.
  enum class Fault { None, BadCrc, ShortAnswer, NoAnswer, ErrorStatus, LateAnswer };

  static constexpr int kInputReportLength = 128;
  static constexpr int kOutputReportLength = 1056;
  static constexpr uint16_t kStatusRefused = 1;
  static constexpr uint16_t kStatusWrongBlock = 5;

  explicit SimIapDevice(const Config& config);

  std::vector<platform::HidInterfaceInfo> interfaces() const override;
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo& which, bool exclusive) override;

  // Misbehaves on every request with that command (any command when none is
  // given) after letting `skip` of them pass.
  void setFault(Fault fault, std::optional<Iap::Command> only = std::nullopt, int skip = 0);

  // Called through the Qt event loop each time the device arrives again
  // (as boot loader after JumpToBoot, as application after the last block).
  void setArrivalHandler(std::function<void()> handler);

  bool inBootLoader() const;
  int arrivals() const;
  // The records received since the last SendFileInfo, in block order.
  QByteArray receivedImage() const;
  uint32_t announcedLength() const;
  uint32_t announcedInfo() const;
  bool flashed() const;  // the last block arrived and every block was in order
  bool blockOrderBroken() const;
  std::vector<Iap::Request> requests() const;

  // Used by the connections.
  // The answers a request sends back, in order: usually one, none for a
  // dropped request, two when a late one goes ahead.
  std::vector<QByteArray> answers(const uint8_t* report, int length);
  int generation() const;

 private:
  QByteArray respond(const Iap::Request& request, uint16_t* status);
  bool faultApplies(const Iap::Command& command);
  void leaveAndArrive(bool asBootLoader);

  mutable std::mutex m_lock;
  Config m_config;
  Fault m_fault = Fault::None;
  std::optional<Iap::Command> m_faultCommand;
  int m_faultSkip = 0;
  std::function<void()> m_arrivalHandler;
  int m_generation = 0;
  int m_arrivals = 0;
  QByteArray m_image;
  uint32_t m_announcedLength = 0;
  uint32_t m_announcedInfo = 0;
  uint32_t m_nextBlock = 0;
  bool m_flashed = false;
  bool m_orderBroken = false;
  std::vector<Iap::Request> m_requests;
  QByteArray m_lateAnswer;
};
