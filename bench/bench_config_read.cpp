// What one key press costs in settings reads: the device thread asks the
// store for the key's function and text, each a fresh open of the model's
// INI file. Also the profile watcher's once-a-second look at the program list.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

// A model file as a user who set up keys for a few programs leaves it.
void fillTypicalFile(ConfigFile& store) {
  store.setDeviceConfig("Lark A", MyQmlEnum::CFG_LarkA);
  const QStringList programs = {"/usr/bin/krita", "/usr/bin/gimp", "/usr/bin/inkscape", "/usr/bin/blender"};
  for (const QString& program : programs) store.addProgramList(program);
  for (const QString& group : {QString("CommonKey"), QString("krita"), QString("gimp"), QString("blender")}) {
    store.setKeyGroupName(group);
    for (int key = MyQmlEnum::K1; key <= MyQmlEnum::K8; ++key) {
      store.setComboxIndex(key, 3);
      store.setShortcutkeyEnum(key, MyQmlEnum::ECusShortcutkey);
      store.setDisplayText(key, "Custom#[Ctrl]+[Shift]+[Z]");
    }
  }
  store.setKeyGroupName("krita");
}

void BM_KeyPressReads(benchmark::State& state) {
  QTemporaryDir dir;
  ConfigFile store(dir.path());
  fillTypicalFile(store);
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.getShortcutkeyEnum(MyQmlEnum::K3));
    benchmark::DoNotOptimize(store.getDisplayText(MyQmlEnum::K3));
  }
}
BENCHMARK(BM_KeyPressReads);

void BM_ProgramListAsHeld(benchmark::State& state) {
  QTemporaryDir dir;
  ConfigFile store(dir.path());
  fillTypicalFile(store);
  for (auto _ : state) benchmark::DoNotOptimize(store.getCusConfigProgramPathList());
}
BENCHMARK(BM_ProgramListAsHeld);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
