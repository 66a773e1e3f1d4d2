// What the program candidate scan costs, and what it no longer costs the
// start: the scan itself over a menu of plain entries and over Wine's, and
// the driver's start up to its window being shown, with an empty menu and
// with 5,000 Wine entries whose Path names one large folder.

#include "driver/app/ProgramCandidateScan.h"
#include "platform/session/HandOverMessage.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& text, bool executable) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(text);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// A home with a bin/ folder (for PATH) and an applications folder holding
// `entries` Wine entries. Their programs sit in one folder of `entries`
// files, named in another case than the entries name them, as Windows
// programs often are.
void makeWineMenu(const QString& home, int entries) {
  QDir(home).mkpath("bin");
  QDir(home).mkpath("data/applications");
  const QString programs = home + "/wine/drive_c/Program Files/Suite";
  QDir(home).mkpath("wine/drive_c/Program Files/Suite");
  writeFile(home + "/bin/wine", "#!/bin/sh\n", true);
  for (int i = 0; i < entries; ++i) {
    writeFile(programs + QStringLiteral("/Program%1.exe").arg(i), "MZ", false);
    writeFile(home + QStringLiteral("/data/applications/wine-Programs-Program%1.desktop").arg(i),
              QStringLiteral("[Desktop Entry]\nName=Program %1\nExec=env WINEPREFIX=\"%2/wine\" wine "
                             "C:\\\\\\\\users\\\\\\\\Public\\\\\\\\Desktop\\\\\\\\Program%1.lnk\nType=Application\n"
                             "StartupNotify=true\nPath=%3\nIcon=1A2B_Program%1.0\nStartupWMClass=program%1.exe\n")
                  .arg(i)
                  .arg(home, programs)
                  .toUtf8(),
              false);
  }
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
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", (bin + ":/usr/local/bin:/usr/bin:/bin").toLocal8Bit());
  const QStringList folders{root.path() + "/Desktop", root.path() + "/applications"};
  for (auto _ : state) benchmark::DoNotOptimize(ProgramCandidateScan().scan(folders));
  state.SetItemsProcessed(state.iterations() * entries);
  qputenv("PATH", path);
}
BENCHMARK(BM_CandidateScan)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_WineCandidateScan(benchmark::State& state) {
  QTemporaryDir home;
  const int entries = int(state.range(0));
  makeWineMenu(home.path(), entries);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", (home.path() + "/bin:/usr/bin:/bin").toLocal8Bit());
  for (auto _ : state) benchmark::DoNotOptimize(ProgramCandidateScan().scan({home.path() + "/data/applications"}));
  state.SetItemsProcessed(state.iterations() * entries);
  qputenv("PATH", path);
}
BENCHMARK(BM_WineCandidateScan)->Arg(5000)->Unit(benchmark::kMillisecond);

// Sends the show-window message and waits for the answer; true once the
// driver has shown its window for it.
bool windowShownOnRequest(const QByteArray& socketPath) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (size_t(socketPath.size()) >= sizeof(address.sun_path)) return false;
  memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  bool shown = false;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
    const QByteArray message = platform::HandOverMessage::showWindow().encode();
    pollfd answer{fd, POLLIN, 0};
    char handled = 0;
    shown = ::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL) == message.size() &&
            ::poll(&answer, 1, 10000) == 1 && ::recv(fd, &handled, 1, 0) == 1 && handled == 1;
  }
  ::close(fd);
  return shown;
}

// From the driver's start until its window is shown at a second start's
// request, which needs the window loaded and the GUI thread free; then the
// time a SIGTERM takes to end it, as the "stop_ms" counter.
void BM_StartToWindowShown(benchmark::State& state) {
  QTemporaryDir home;
  QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  makeWineMenu(home.path(), int(state.range(0)));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home.path());
  environment.insert("XDG_DATA_HOME", home.path() + "/data");
  environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
  environment.insert("XDG_CACHE_HOME", home.path() + "/cache");
  environment.insert("XDG_RUNTIME_DIR", home.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("PATH", home.path() + "/bin:/usr/bin:/bin");
  const QByteArray socketPath = QFile::encodeName(home.path() + QStringLiteral("/VarnexDriver-%1.handover").arg(::getuid()));

  double stopMs = 0;
  for (auto _ : state) {
    QProcess driver;
    driver.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    driver.start(VARNEX_DRIVER, {"--simulate", "LarkA"});
    bool shown = false;
    while (!shown && clock.elapsed() < 60000 && driver.state() != QProcess::NotRunning) {
      shown = windowShownOnRequest(socketPath);
      if (!shown) QThread::usleep(500);
    }
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    if (!shown) state.SkipWithError("the window was never shown");
    QElapsedTimer stopping;
    stopping.start();
    ::kill(pid_t(driver.processId()), SIGTERM);
    driver.waitForFinished(60000);
    stopMs += double(stopping.nsecsElapsed()) / 1e6;
  }
  state.counters["stop_ms"] = benchmark::Counter(stopMs / double(state.iterations()));
}
BENCHMARK(BM_StartToWindowShown)->Arg(0)->Arg(5000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
