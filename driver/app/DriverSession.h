#pragma once

#include "driver/output/DevOperateThread.h"
#include "driver/tablet/ModelTable.h"

#include <QObject>
#include <memory>

class SimulatedWorld;

// One run of the driver's device path: a connected tablet found by its USB
// identity, or a simulated one, read by a DevOperateThread that maps the pen
// onto the primary screen. stop() ends the worker (joining it) and is called
// before the event loop ends; a second call does nothing.
class DriverSession : public QObject {
  Q_OBJECT

 public:
  explicit DriverSession(QObject* parent = nullptr);
  ~DriverSession() override;

  // The first model of the table with an interface of its vendor id, product
  // id and usage among the current HID backend's devices; null when none is.
  static const ModelEntry* findConnectedTablet();

  // Switches the settings to the model's file and starts reading the tablet.
  // False when the device could not be started.
  bool start(const ModelEntry& model);
  // Installs the simulated world with a tablet of the model, starts it and
  // reads it like a real one.
  bool startSimulated(const ModelEntry& model);
  void stop();

  DevOperateThread& device() { return m_device; }
  SimulatedWorld* world() const { return m_world.get(); }

 private:
  // Declared first, destroyed last: the world's platform must outlive the
  // device path that uses it.
  std::unique_ptr<SimulatedWorld> m_world;
  DevOperateThread m_device;
  bool m_started = false;
};
