// What one pen report costs on the device thread: mapping, curve, report
// building and the write through the pen link into the virtual pen.

#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ScreenMapper.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

class DiscardingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override { return true; }
  bool modeReport(const uint8_t*, int) override { return true; }
};

void sendPen(benchmark::State& state) {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  platform::VirtualPen::install(std::make_shared<DiscardingPen>());
  auto mapper = std::make_shared<ScreenMapper>();
  mapper->setDesktopRect(QRectF(0, 0, 1920, 1080));
  mapper->setTabletRect(QRectF(130, 80, 260, 160));
  mapper->setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  mapper->setDeviceType(state.range(0));
  VMulti link(2);
  VMultiDigitizer digitizer(&link, mapper, int(state.range(0)));
  digitizer.setPressureCurvePoint(QPointF(1, 1), QPointF(0.8, 0.2), QPointF(0, 0));

  PenState pen;
  pen.valid = true;
  pen.status = 0xA1;
  pen.code = 3;
  int i = 0;
  for (auto _ : state) {
    pen.x = (i % 2600) / 10.0;
    pen.y = (i % 1600) / 10.0;
    pen.pressure = (i % 1000) / 1000.0;
    benchmark::DoNotOptimize(digitizer.sendPen(pen));
    ++i;
  }
  platform::VirtualPen::uninstall();
}

}  // namespace

// A tablet and a calibrated pen display.
BENCHMARK(sendPen)->Arg(13000)->Arg(23000);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
