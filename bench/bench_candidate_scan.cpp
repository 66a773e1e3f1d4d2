// What building the candidate list costs at start-up: a desktop with a few
// links and programs, and a menu of a few hundred entries as a full desktop
// installation has, each entry read and its program looked up in PATH.

#include "driver/app/ProgramCandidateScan.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeFile(const QString& path, const QByteArray& text, bool executable) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(text);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
}

void BM_CandidateScan(benchmark::State& state) {
  QTemporaryDir root;
  const QString bin = root.path() + "/bin";
  QDir(root.path()).mkpath("bin");
  QDir(root.path()).mkpath("Desktop");
  QDir(root.path()).mkpath("applications");
  const int entries = int(state.range(0));
  for (int i = 0; i < entries; ++i) {
    const QString name = QStringLiteral("program%1").arg(i);
    writeFile(bin + "/" + name, "#!/bin/sh\n", true);
    writeFile(root.path() + "/applications/" + name + ".desktop",
              "[Desktop Entry]\nType=Application\nName=Program\nName[de]=Programm\nComment=Draws\n"
              "Exec=" + name.toUtf8() + " %U\nIcon=" + name.toUtf8() + "\nCategories=Graphics;\n",
              false);
    if (i % 20 == 0) QFile::link(bin + "/" + name, root.path() + "/Desktop/" + name);
  }
  qputenv("PATH", (bin + ":/usr/local/bin:/usr/bin:/bin").toLocal8Bit());
  const QStringList folders{root.path() + "/Desktop", root.path() + "/applications"};
  for (auto _ : state) benchmark::DoNotOptimize(ProgramCandidateScan().scan(folders));
  state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(BM_CandidateScan)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
