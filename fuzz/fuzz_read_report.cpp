// Arbitrary reports of arbitrary length for every model, under every express
// key map: readReport must neither crash nor read past its report buffer,
// and every key function the reports reach runs (into a null injector).
//
// Input: byte 0 picks the model, byte 1 the key map (format), byte 2 whether
// the report is discarded; the rest is one input report.

#include "driver/keys/KeySettings.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/NullInputInjector.h"
#include "platform/process/sim/SimProgramStarter.h"
#include "platform/session/sim/SimWindowRaiser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

// Every key gets a function picked from its number; the display texts feed
// the custom shortcuts.
class FuzzKeySettings : public KeySettings {
 public:
  int shortcutkeyEnum(int keyType) override { return keyType == 25 ? -1 : (keyType * 7) % 40 - 1; }
  QString displayText(int keyType) override {
    return keyType % 2 ? QStringLiteral("name#[Ctrl]+[:]") : QStringLiteral("#[Alt]+[>]#[Shift]+[Nope]+");
  }
  int currentSwivelKey() override { return m_swivel; }
  void switchSwivelKey() override { m_swivel = m_swivel >= 20 ? 15 : m_swivel + 1; }
  bool disableShortKey() override { return false; }

 private:
  int m_swivel = 15;
};

struct Model {
  std::shared_ptr<platform::SimHidDevice> device;
  std::unique_ptr<Tablet> tablet;
};

std::vector<Model>& models() {
  static std::vector<Model> all = [] {
    static int argc = 1;
    static char name[] = "fuzz_read_report";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("varnex.*=false"));
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    platform::InputInjector::install(std::make_unique<platform::NullInputInjector>());
    platform::ProgramStarter::install(std::make_unique<platform::SimProgramStarter>());
    platform::WindowRaiser::install(std::make_unique<platform::SimWindowRaiser>());
    KeySettings::install(std::make_unique<FuzzKeySettings>());
    HidDevice::setSearchPauses(0, 0);

    std::vector<Model> result;
    for (const ModelEntry& entry : ModelTable::models()) {
      platform::SimHidDevice::Collection vendor;
      vendor.usagePage = entry.usagePage;
      vendor.usage = entry.usage;
      vendor.inputReportLength = Tablet::kReportBufferSize;
      vendor.outputReportLength = 64;
      Model model;
      model.device = std::make_shared<platform::SimHidDevice>(entry.vendorId, entry.productId,
                                                              std::vector<platform::SimHidDevice::Collection>{vendor});
      model.device->plugIn();
      model.tablet = std::make_unique<Tablet>(entry.vendorId, entry.productId, entry.usagePage, entry.usage, false);
      model.tablet->settings.maxX = entry.maxX;
      model.tablet->settings.maxY = entry.maxY;
      model.tablet->settings.maxPressure = entry.maxPressure;
      model.tablet->start(entry.devType);
      result.push_back(std::move(model));
    }
    return result;
  }();
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<Model>& all = models();
  if (size < 3) return 0;
  const std::vector<ModelEntry>& entries = ModelTable::models();
  Model& model = all[data[0] % all.size()];
  // Any model's key map, or none.
  const int formatPick = data[1] % (entries.size() + 1);
  model.tablet->settings.format = formatPick < int(entries.size()) ? entries[formatPick].devType : -1;
  const bool discard = data[2] & 1;

  // The report goes out exactly as long as given (an empty one too); the
  // tablet reads it into its own buffer.
  const size_t length = std::min(size - 3, size_t(Tablet::kReportBufferSize));
  model.device->pushInput(data + 3, int(length));
  model.tablet->readReport(discard);
  return 0;
}
