// Arbitrary tablet reports through the whole pen path of every model: decode,
// rotation, areas, calibration (with any coefficients), relative mode,
// pressure curve and the 12-byte pen report. Nothing may crash or convert a
// value that does not fit (UBSan watches the float-to-integer conversions),
// and every report written stays inside the digitizer's ranges.
//
// Input: byte 0 picks the model, byte 1 the rotation, byte 2 flags (bit 0
// relative mode, bit 1 Windows Ink off, bit 2 calibration from bytes 3..50,
// bit 3 a calibration fit of ten integers from the same bytes); the rest,
// after those 48 bytes, is one input report.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/CalibrationSolver.h"
#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/SimulatedTablet.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/NullInputInjector.h"
#include "platform/process/sim/SimProgramStarter.h"
#include "platform/session/sim/SimWindowRaiser.h"
#include "platform/virtualpen/VirtualPen.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr size_t kCalibrationBytes = 48;

// Checks every pen report on its way into the virtual pen.
class CheckingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t* report, int length) override {
    if (length != 12 || report[0] != 0x40 || report[2] != 0x05) std::abort();
    const int x = report[4] | report[5] << 8;
    const int y = report[6] | report[7] << 8;
    const int pressure = report[8] | report[9] << 8;
    if (x > 32767 || y > 32767 || pressure > 2047) std::abort();
    return true;
  }
  bool modeReport(const uint8_t*, int) override { return true; }
};

struct Model {
  std::shared_ptr<platform::SimHidDevice> device;
  std::unique_ptr<CommandHandler> handler;
  std::unique_ptr<VMulti> link;
  std::unique_ptr<VMultiDigitizer> digitizer;
};

std::vector<Model>& models() {
  static std::vector<Model> all = [] {
    static int argc = 1;
    static char name[] = "fuzz_pen_path";
    static char* argv[] = {name, nullptr};
    const QString home = QDir::tempPath() + "/fuzz_pen_path-" + QString::number(QCoreApplication::applicationPid());
    qputenv("XDG_DATA_HOME", home.toLocal8Bit());
    new QCoreApplication(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    platform::InputInjector::install(std::make_unique<platform::NullInputInjector>());
    platform::ProgramStarter::install(std::make_unique<platform::SimProgramStarter>());
    platform::WindowRaiser::install(std::make_unique<platform::SimWindowRaiser>());
    platform::VirtualPen::install(std::make_shared<CheckingPen>());
    // The solver reports degenerate fits on standard output.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    HidDevice::setSearchPauses(0, 0);
    ConfigFile::instance()->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));

    std::vector<Model> result;
    for (const ModelEntry& entry : ModelTable::models()) {
      Model model;
      model.device = SimulatedTablet::plugIn(entry);
      model.handler = std::make_unique<CommandHandler>();
      model.handler->RegisterCommands();
      model.handler->RunScript(ModelTable::script(entry));
      if (!model.handler->tablet() || !model.handler->screenMapper()) std::abort();
      model.handler->screenMapper()->setDeviceType(entry.devType);
      model.handler->screenMapper()->setMapperArea(QRect(0, 0, 1920, 1080), QRect(-1920, 0, 3840, 1080));
      model.handler->tablet()->start(entry.devType);
      model.link = std::make_unique<VMulti>(2);
      model.digitizer =
          std::make_unique<VMultiDigitizer>(model.link.get(), model.handler->screenMapper(), entry.devType);
      result.push_back(std::move(model));
    }
    return result;
  }();
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3 + kCalibrationBytes) return 0;
  std::vector<Model>& all = models();
  Model& model = all[data[0] % all.size()];
  static const int kAngles[] = {0, 90, 180, 270, 45};
  ScreenMapper& mapper = *model.handler->screenMapper();
  const uint8_t flags = data[2];
  const uint8_t* calibrationBytes = data + 3;

  mapper.setRotationAngle(kAngles[data[1] % 5]);
  model.digitizer->setRelativeModel(flags & 1);
  model.digitizer->setWinLnk(!(flags & 2));
  if (flags & 4) {
    CalibrationCalculationPoint point;
    double values[6];
    std::memcpy(values, calibrationBytes, sizeof values);
    point.a = values[0];
    point.b = values[1];
    point.c = values[2];
    point.d = values[3];
    point.e = values[4];
    point.f = values[5];
    point.valid = true;
    mapper.setCalibration(point);
  }
  if (flags & 8) {
    CalibrationSolver::Points pen{}, target{};
    int32_t ints[10];
    std::memcpy(ints, calibrationBytes, sizeof ints);
    for (int i = 0; i < 5; ++i) {
      pen[i] = QPoint(ints[i] % 100000, ints[(i + 5) % 10] % 100000);
      target[i] = QPoint(ints[(i + 3) % 10] % 100000, ints[(i + 7) % 10] % 100000);
    }
    CalibrationCalculationPoint fitted;
    CalibrationSolver::solve(pen, target, fitted);
  }

  const size_t offset = 3 + kCalibrationBytes;
  model.device->pushInput(data + offset, int(size - offset));
  Tablet& tablet = *model.handler->tablet();
  if (tablet.readReport(false) == Tablet::PenReport) model.digitizer->sendPen(tablet.penState());
  return 0;
}
