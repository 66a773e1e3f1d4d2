// What one tablet report costs on the device thread, from the bytes the read
// delivers to the pen report written into the virtual pen: decode, map,
// pressure curve, build and write. A tablet of layout A (K10PlusV2) and a pen
// display of layout D (Fjord4Pro), in absolute and in relative mode.

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
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <array>
#include <cstring>

namespace {

constexpr int kReportLength = 64;

// A tablet that always has a report ready: two reports of a stroke taking
// turns, copied without locks or allocation, so that only the driver's own
// work is measured.
class RepeatingTablet : public platform::VirtualHidDevice {
 public:
  RepeatingTablet(const ModelEntry& model, std::array<QByteArray, 2> reports) : m_reports(std::move(reports)) {
    m_info.path = QStringLiteral("bench:%1").arg(model.key);
    m_info.vendorId = model.vendorId;
    m_info.productId = model.productId;
    m_info.usagePage = model.usagePage;
    m_info.usage = model.usage;
    m_info.inputReportLength = kReportLength;
    m_info.outputReportLength = 9;
  }
  std::vector<platform::HidInterfaceInfo> interfaces() const override { return {m_info}; }
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo&, bool) override {
    return std::make_unique<Connection>(m_reports);
  }

 private:
  struct Connection : platform::HidConnection {
    explicit Connection(const std::array<QByteArray, 2>& reports) : reports(reports) {}
    int receive(uint8_t* buffer, int length, int) override {
      const QByteArray& report = reports[next ^= 1];
      const int n = std::min(length, int(report.size()));
      std::memcpy(buffer, report.constData(), size_t(n));
      return n;
    }
    void cancelRead() override {}
    int write(const uint8_t*, int length) override { return length; }
    bool setFeature(const uint8_t*, int) override { return true; }
    QByteArray indexedString(int) override { return {}; }
    bool isGone() const override { return false; }
    const std::array<QByteArray, 2>& reports;
    int next = 0;
  };

  platform::HidInterfaceInfo m_info;
  std::array<QByteArray, 2> m_reports;
};

class DiscardingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override { return true; }
  bool modeReport(const uint8_t*, int) override { return true; }
};

QByteArray padded(const char* hex) {
  QByteArray report = QByteArray::fromHex(hex);
  report.append(QByteArray(kReportLength - report.size(), '\0'));
  return report;
}

std::array<QByteArray, 2> strokeOf(int devType) {
  if (devType == MyQmlEnum::CFG_Fjord4Pro)
    return {padded("02 41 A1 10 27 00 40 1F 00 00 08 00 00"), padded("02 41 A1 20 4E 00 80 3E 00 FF 0F 10 20")};
  return {padded("02 A1 10 27 40 1F 00 08 00 00"), padded("02 A1 20 4E 80 3E FF 0F 10 20")};
}

void perReport(benchmark::State& state) {
  const int devType = int(state.range(0));
  const bool relative = state.range(1) != 0;
  const ModelEntry& model = *ModelTable::byDevType(devType);

  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  auto tabletDevice = std::make_shared<RepeatingTablet>(model, strokeOf(devType));
  platform::HidBackend::current().registerVirtual(tabletDevice);
  platform::VirtualPen::install(std::make_shared<DiscardingPen>());

  ConfigFile::instance()->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));
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
  digitizer.setRelativeModel(relative);
  digitizer.setPressureCurvePoint(QPointF(1, 1), QPointF(0.7, 0.3), QPointF(0, 0));

  for (auto _ : state) {
    if (tablet->readReport(false) == Tablet::PenReport) benchmark::DoNotOptimize(digitizer.sendPen(tablet->penState()));
  }
  state.SetItemsProcessed(state.iterations());

  platform::VirtualPen::uninstall();
  platform::HidBackend::current().unregisterVirtual(tabletDevice.get());
  platform::HidBackend::install(nullptr);
}

}  // namespace

BENCHMARK(perReport)
    ->ArgNames({"devType", "relative"})
    ->Args({MyQmlEnum::CFG_VarnexK10PlusV2, 0})
    ->Args({MyQmlEnum::CFG_VarnexK10PlusV2, 1})
    ->Args({MyQmlEnum::CFG_Fjord4Pro, 0})
    ->Args({MyQmlEnum::CFG_Fjord4Pro, 1});

int main(int argc, char** argv) {
  // A private settings directory, and the per-report debug lines off as in a
  // release log.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
