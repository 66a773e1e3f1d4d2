// The cost of one Tablet::readReport for each report layout, from a device
// that answers every read at once with the same report, so only the decoder's
// own work (and the HidDevice call) is measured.

#include "driver/keys/KeySettings.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/VirtualHidDevice.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/input/NullInputInjector.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>
#include <cstring>

namespace {

class RepeatingConnection : public platform::HidConnection {
 public:
  explicit RepeatingConnection(QByteArray report) : m_report(std::move(report)) {}
  int receive(uint8_t* buffer, int length, int) override {
    const int n = std::min(length, int(m_report.size()));
    std::memcpy(buffer, m_report.constData(), size_t(n));
    return n;
  }
  void cancelRead() override {}
  int write(const uint8_t*, int length) override { return length; }
  bool setFeature(const uint8_t*, int) override { return true; }
  QByteArray indexedString(int) override { return QByteArray(); }
  bool isGone() const override { return false; }

 private:
  QByteArray m_report;
};

class RepeatingDevice : public platform::VirtualHidDevice {
 public:
  explicit RepeatingDevice(QByteArray report) : m_report(std::move(report)) {}
  std::vector<platform::HidInterfaceInfo> interfaces() const override {
    platform::HidInterfaceInfo info;
    info.path = "bench:repeating";
    info.vendorId = 0x1111;
    info.productId = 0x2222;
    info.usagePage = 0xFF0A;
    info.usage = 1;
    info.inputReportLength = 64;
    info.outputReportLength = 64;
    return {info};
  }
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo&, bool) override {
    return std::make_unique<RepeatingConnection>(m_report);
  }

 private:
  QByteArray m_report;
};

class BenchKeySettings : public KeySettings {
 public:
  int shortcutkeyEnum(int) override { return 1; }
  QString displayText(int) override { return QString(); }
  int currentSwivelKey() override { return 15; }
  void switchSwivelKey() override {}
  bool disableShortKey() override { return false; }
};

void readReports(benchmark::State& state, int devType, const char* hex) {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  platform::InputInjector::install(std::make_unique<platform::NullInputInjector>());
  KeySettings::install(std::make_unique<BenchKeySettings>());
  HidDevice::setSearchPauses(0, 0);
  auto device = std::make_shared<RepeatingDevice>(QByteArray::fromHex(hex));
  platform::HidBackend::current().registerVirtual(device);
  {
    Tablet tablet(0x1111, 0x2222, 0xFF0A, 1, false);
    tablet.settings.maxX = 56296;
    tablet.settings.maxY = 31667;
    tablet.settings.maxPressure = 8191;
    tablet.settings.format = devType;
    tablet.start(devType);
    for (auto _ : state) benchmark::DoNotOptimize(tablet.readReport(false));
    state.SetItemsProcessed(state.iterations());
  }
  platform::HidBackend::install(nullptr);
  KeySettings::install(nullptr);
}

}  // namespace

BENCHMARK_CAPTURE(readReports, layoutA_pen, 15000, "02A11027204EFF0F1234");
BENCHMARK_CAPTURE(readReports, layoutC_pen, 23000, "028D006400C8FFC0");
BENCHMARK_CAPTURE(readReports, layoutD_pen, 23001, "0041A1FFFF01204E00FF1F0506");
// An express key held down: every report runs the key's function (into a
// null injector), which is where a key report's cost lies.
BENCHMARK_CAPTURE(readReports, layoutA_key, 15000, "02F0800000000000000000");

int main(int argc, char** argv) {
  // The Fjord4Pro family's start sets a timer, which wants an application.
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
