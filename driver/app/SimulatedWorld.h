#pragma once

#include "driver/app/SimulatedReports.h"
#include "driver/tablet/ModelTable.h"
#include "platform/system/sim/SimulatedPlatform.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace platform {
class SimHidDevice;
}

// A machine with one simulated tablet of a model plugged in and nothing real
// around it (see SimulatedPlatform). Once started, the tablet draws a slow
// Lissajous figure with rising and falling pressure, lifting the pen between
// strokes, and now and then presses and releases an express key. What the
// system received, the virtual pen's reports and the injected keys, is
// summarised in the log once a period, so a run without hardware shows live
// data.
class SimulatedWorld : public QObject {
  Q_OBJECT

 public:
  // What arrived at the system side so far.
  struct Received {
    qint64 penReports = 0;
    QByteArray lastPenReport;  // as the virtual pen got it
    qint64 keyEvents = 0;
    QStringList lastKeys;  // the key events of the last collect()
  };

  // Installs the simulated platform and plugs the tablet in.
  explicit SimulatedWorld(const ModelEntry& model, QObject* parent = nullptr);
  ~SimulatedWorld() override;

  // Pulls the tablet out (its reads end, detection hears of the removal),
  // and plugs a fresh one of the same model back in (detection hears of the
  // arrival). Reports are fed only while it is plugged in.
  void unplug();
  void plugIn();
  bool isPluggedIn() const { return m_tablet != nullptr; }
  // The name the simulated system gives the tablet's interface.
  QString deviceName() const;

  // Starts feeding a report every feedIntervalMs and logging a summary every
  // summaryIntervalMs.
  void start(int feedIntervalMs = 10, int summaryIntervalMs = 1000);
  void stop();

  // One step of the figure; the feed timer calls it.
  void feedNextReport();
  // Takes what the virtual pen and the key injector recorded since the last
  // call into received().
  void collect();
  // Collects and writes one summary line to the log.
  void logSummary();

  const ModelEntry& model() const { return m_model; }
  qint64 reportsSent() const { return m_reportsSent; }
  const Received& received() const { return m_received; }
  platform::SimulatedPlatform& platform() { return m_platform; }
  // Null while unplugged.
  const std::shared_ptr<platform::SimHidDevice>& tablet() const { return m_tablet; }

 private:
  const ModelEntry& m_model;
  platform::SimulatedPlatform m_platform;
  std::shared_ptr<platform::SimHidDevice> m_tablet;
  SimulatedReports m_reports;
  QTimer m_feedTimer;
  QTimer m_summaryTimer;
  qint64 m_step = 0;
  qint64 m_reportsSent = 0;
  int m_lastX = 0;
  int m_lastY = 0;
  int m_lastPressure = 0;
  Received m_received;
};
