#include "TabletRig.h"

#include "driver/keys/KeyFunctionTable.h"
#include "driver/keys/ShortcutInjector.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"

#include <gtest/gtest.h>

TabletRig::TabletRig(int devType, int inputReportLength, int outputReportLength)
    : model(*ModelTable::byDevType(devType)) {
  HidDevice::setSearchPauses(0, 0);
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  auto injector = std::make_unique<platform::SimInputInjector>();
  input = injector.get();
  platform::InputInjector::install(std::move(injector));
  auto settings = std::make_unique<FakeKeySettings>();
  keys = settings.get();
  KeySettings::install(std::move(settings));
  Tablet::setEraserMode(false);
  // Shortcuts left held by an earlier test would be released by this one.
  ShortcutInjector::releaseHeldShortcuts();
  input->clear();
  KeyFunctionTable::setPenEraserToggle(1);

  platform::SimHidDevice::Collection vendor;
  vendor.usagePage = model.usagePage;
  vendor.usage = model.usage;
  vendor.inputReportLength = inputReportLength;
  vendor.outputReportLength = outputReportLength;
  device = std::make_shared<platform::SimHidDevice>(model.vendorId, model.productId,
                                                    std::vector<platform::SimHidDevice::Collection>{vendor});
  device->plugIn();

  tablet = std::make_unique<Tablet>(model.vendorId, model.productId, model.usagePage, model.usage, false);
  tablet->settings.maxX = model.maxX;
  tablet->settings.maxY = model.maxY;
  tablet->settings.maxPressure = model.maxPressure;
  tablet->settings.width = QByteArray(model.width).toDouble();
  tablet->settings.height = QByteArray(model.height).toDouble();
  tablet->settings.format = formatOfModel(model);
  hints = std::make_unique<QSignalSpy>(tablet.get(), &Tablet::functionHint);
  centerKey = std::make_unique<QSignalSpy>(tablet.get(), &Tablet::swiveCenterKey);
  EXPECT_TRUE(tablet->isOpen());
  EXPECT_TRUE(tablet->start(devType));
}

TabletRig::~TabletRig() {
  tablet.reset();
  device->unregister();
  KeySettings::install(nullptr);
  platform::InputInjector::install(nullptr);
  platform::HidBackend::install(nullptr);
}

int TabletRig::feed(const char* hex, bool discard) {
  device->pushInput(QByteArray::fromHex(hex));
  return tablet->readReport(discard);
}

void TabletRig::holdWithKey(int keyType, const QString& name, const QString& shortcut) {
  keys->functions[keyType] = 28;  // ECusShortcutkey
  keys->texts[keyType] = name + "#" + shortcut;
}

int formatOfModel(const ModelEntry& model) {
  for (const ModelTable::FormatName& format : ModelTable::formatNames()) {
    if (QString::fromLatin1(format.name).compare(QLatin1String(model.formatName), Qt::CaseInsensitive) == 0)
      return format.devType;
  }
  return -1;
}

std::string modelName(const ::testing::TestParamInfo<int>& info) { return ModelTable::byDevType(info.param)->key; }
