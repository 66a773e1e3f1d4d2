#pragma once

#include "TabletDescription.h"
#include "UhidDevice.h"

#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

class SimIapDevice;

// Plays a tablet through uhid by a script, one command a line:
//   plug [IFACE...] | unplug [IFACE...]     (every interface when none named)
//   await-init [MS]        until the init report arrived since the last plug
//   send FILE              reports in tabletreplay's format, on the first interface
//   report HEX...          one report on the first interface
//   sleep MS | await-file PATH [MS] | mark TEXT
//   repeat N ... end
// and logs what happens, one line each: plugged, unplugged, output reports,
// opens of each interface's hidraw node, marks, a flashed firmware.
class TabletEmulator {
 public:
  TabletEmulator(TabletDescription description, std::FILE* log);
  ~TabletEmulator();

  // False with a message at the first command that fails.
  bool run(const QStringList& script, QString& error);

 private:
  struct Node {
    TabletDescription::Interface description;
    std::unique_ptr<UhidDevice> device;
    std::shared_ptr<SimIapDevice> bootLoader;
    int bootGeneration = 0;
    qint64 restartAtMs = -1;  // on the emulator's clock; -1: no restart due
    int watch = -1;
    int inputLength = 0;  // every input report is padded to this
  };

  bool runLines(const QStringList& lines, int& index, int end, QString& error);
  bool command(const QString& line, QString& error);
  bool plug(const QStringList& names, bool in, QString& error);
  bool sendFile(const QString& path, QString& error);
  // Serves the devices until `until` holds or `timeoutMs` passes; false on time out.
  template <typename Condition>
  bool serve(int timeoutMs, Condition until);
  void serveOnce(int timeoutMs);
  void watchOpens(Node& node);
  QByteArray onOutput(Node& node, const QByteArray& report, bool feature);
  std::vector<Node*> selected(const QStringList& names, QString& error);
  void note(const QString& text);

  TabletDescription m_description;
  std::FILE* m_log;
  std::vector<std::unique_ptr<Node>> m_nodes;
  int m_inotify = -1;
  bool m_initSeen = false;
  QElapsedTimer m_clock;
};
