// Latency of one pen report through the whole device path over real file
// descriptors: a socket pair stands in for the hidraw node, a pipe for the
// virtual pen device. The time runs from the report's arrival (just before
// it is sent into the socket) to the pen report written into the pipe, on
// the device thread as the driver runs it; once quiet, once while another
// thread, as the settings window would, changes the mapping, the pressure
// curve and a key's function a thousand times a second. Reported as the
// 50th, 99th and 99.9th percentile in microseconds.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/linux/LinuxHidConnection.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReportLength = 64;
constexpr int kReports = 20000;
constexpr int kWarmUpReports = 2000;

// The tablet's vendor interface as a socket the device thread polls and reads.
class SocketTablet : public platform::VirtualHidDevice {
 public:
  SocketTablet(const ModelEntry& model, int fd) : m_fd(fd) {
    m_info.path = QStringLiteral("bench:socket");
    m_info.vendorId = model.vendorId;
    m_info.productId = model.productId;
    m_info.usagePage = model.usagePage;
    m_info.usage = model.usage;
    m_info.inputReportLength = kReportLength;
    m_info.outputReportLength = 9;
  }
  std::vector<platform::HidInterfaceInfo> interfaces() const override { return {m_info}; }
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo&, bool) override {
    platform::LinuxHidConnection::ReportFormat format;
    format.numbered = true;
    format.output = 9;
    format.inputIds.set(2);
    return std::make_unique<platform::LinuxHidConnection>(m_fd, format);
  }

 private:
  platform::HidInterfaceInfo m_info;
  int m_fd;
};

// The virtual pen device: each pen report goes into a pipe, and the moment
// it went is noted for the sender.
class PipePen : public platform::PenOutput {
 public:
  explicit PipePen(int fd) : m_fd(fd) {}
  bool penReport(const uint8_t* report, int length) override {
    const bool written = ::write(m_fd, report, size_t(length)) == length;
    m_writtenAt.store(Clock::now().time_since_epoch().count(), std::memory_order_release);
    m_count.fetch_add(1, std::memory_order_acq_rel);
    return written;
  }
  bool modeReport(const uint8_t*, int) override { return true; }
  uint64_t count() const { return m_count.load(std::memory_order_acquire); }
  int64_t writtenAt() const { return m_writtenAt.load(std::memory_order_acquire); }

 private:
  int m_fd;
  std::atomic<uint64_t> m_count{0};
  std::atomic<int64_t> m_writtenAt{0};
};

double percentile(std::vector<double>& values, double share) {
  const size_t at = std::min(values.size() - 1, size_t(share * double(values.size())));
  std::nth_element(values.begin(), values.begin() + long(at), values.end());
  return values[at];
}

void latencyUnderLoad(benchmark::State& state) {
  const bool changingSettings = state.range(0) != 0;
  const int devType = MyQmlEnum::CFG_LarkC;
  const ModelEntry& model = *ModelTable::byDevType(devType);

  int sockets[2];
  int pipeFds[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets) != 0 || ::pipe2(pipeFds, O_CLOEXEC) != 0) {
    state.SkipWithError("no socket pair or pipe");
    return;
  }
  // Something reads the pipe, as libinput reads the device.
  std::atomic<bool> draining{true};
  std::thread drain([&] {
    char sink[256];
    while (draining.load() && ::read(pipeFds[0], sink, sizeof sink) > 0) {
    }
  });

  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  auto tabletDevice = std::make_shared<SocketTablet>(model, sockets[0]);
  platform::HidBackend::current().registerVirtual(tabletDevice);
  auto pen = std::make_shared<PipePen>(pipeFds[1]);
  platform::VirtualPen::install(pen);

  CommandHandler handler;
  handler.RegisterCommands();
  handler.RunScript(ModelTable::script(model));
  Tablet* tablet = handler.tablet();
  std::shared_ptr<ScreenMapper> mapper = handler.screenMapper();
  if (!tablet || !mapper) {
    state.SkipWithError("the model script did not open the tablet");
    return;
  }
  mapper->setDeviceType(devType);
  mapper->setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  tablet->start(devType);
  VMulti link(2);
  VMultiDigitizer digitizer(&link, mapper, devType);

  // The device thread, as the driver's read loop.
  std::atomic<bool> reading{true};
  std::thread device([&] {
    while (reading.load()) {
      if (tablet->readReport(false) == Tablet::PenReport) digitizer.sendPen(tablet->penState());
    }
  });

  // The settings window's side, a change every millisecond.
  std::atomic<bool> changing{changingSettings};
  std::atomic<int> changes{0};
  std::thread settings([&] {
    auto next = Clock::now();
    for (int i = 0; changing.load(); ++i) {
      const int w = 1600 + (i % 320);
      mapper->setMapperArea(QRect(0, 0, w, w * 9 / 16), QRect(0, 0, 1920, 1080));
      digitizer.setPressureCurvePoint(QPointF(1, 1), QPointF(0.5 + (i % 40) / 100.0, 0.5), QPointF(0, 0));
      ConfigFile::instance()->setShortcutkeyEnum(MyQmlEnum::K1 + i % 4, MyQmlEnum::EUndo + i % 2);
      changes.fetch_add(1);
      next += std::chrono::milliseconds(1);
      std::this_thread::sleep_until(next);
    }
  });

  uint8_t report[kReportLength] = {0x02, 0xA1, 0x10, 0x27, 0x20, 0x4E, 0xFF, 0x0F, 0x00, 0x00};
  // The first reports after a start find cold caches and the first file
  // writes of the settings; they are not what a stroke meets.
  for (int i = 0; i < kWarmUpReports; ++i) {
    const uint64_t before = pen->count();
    ::send(sockets[1], report, sizeof report, 0);
    while (pen->count() == before) std::this_thread::yield();
  }
  std::vector<double> latencies;
  latencies.reserve(kReports);
  const auto began = Clock::now();
  for (auto _ : state) {
    latencies.clear();
    for (int i = 0; i < kReports; ++i) {
      report[2] = uint8_t(i);  // a moving pen
      const uint64_t before = pen->count();
      const int64_t sentAt = Clock::now().time_since_epoch().count();
      ::send(sockets[1], report, sizeof report, 0);
      // A report that gives no pen output would leave this waiting; each one
      // here is a touching pen, which always does.
      while (pen->count() == before) std::this_thread::yield();
      latencies.push_back(double(pen->writtenAt() - sentAt) / 1000.0);
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
  changing.store(false);
  settings.join();
  reading.store(false);
  tablet->hid()->cancelRead();
  device.join();

  state.counters["p50_us"] = percentile(latencies, 0.50);
  state.counters["p99_us"] = percentile(latencies, 0.99);
  state.counters["p99.9_us"] = percentile(latencies, 0.999);
  state.counters["changes_per_s"] = changes.load() / seconds;

  platform::VirtualPen::uninstall();
  platform::HidBackend::current().unregisterVirtual(tabletDevice.get());
  platform::HidBackend::install(nullptr);
  draining.store(false);
  ::close(pipeFds[1]);
  drain.join();
  ::close(pipeFds[0]);
  ::close(sockets[1]);
}

}  // namespace

BENCHMARK(latencyUnderLoad)->ArgName("settingsChanging")->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
