#pragma once

#include "FakeProcessInfo.h"
#include "FakeScreenInfo.h"
#include "FakeVarnexTablet.h"
#include "OperateDevRecorder.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/output/DevOperateThread.h"

#include <QImage>
#include <QQmlApplicationEngine>
#include <QString>
#include <memory>

class ConfigFile;
class QQuickItem;
class QQuickWindow;
class SimulatedWorld;
class Trans;

// The settings window as the program builds it, for tests and screenshots:
// the real QML from the resources, the real settings store, translator,
// firmware controller, guide lines and device thread (over a simulated
// tablet). Three objects are stand-ins a test can steer: the controller (so a
// test decides when a model arrives; arrive() does what the controller does
// then), the screen information (a fixed desk of three screens with a drawn
// desktop, where a grab of the test's X server would be an empty root) and
// the foreground-program watcher.
class WindowHarness {
 public:
  WindowHarness();
  ~WindowHarness();

  // Loads qrc:/Qml/main.qml; false (with the errors in `errors`) when it fails.
  bool load();
  // As a fresh installation: an empty settings directory, the window
  // loaded, shown and on the screen, in the source language.
  bool showFresh();
  // A model arrives: its settings file, for a tablet the firmware versions
  // read over its firmware interface, a started device thread over a
  // simulated tablet, devStateChanged(true, devType).
  bool arrive(int devType);
  // A tablet arrives running its boot loader (sent there by an upgrade, or
  // left there by a broken one): the firmware controller resumes the
  // upgrade and the window hears of no arrival. False when it was not the
  // boot loader the controller found.
  bool arriveInBootLoader(int devType);
  // The model goes away: the device stops, devStateChanged(false, devType).
  void leave();

  QQuickWindow* window() const;
  // The first item of that name in the window, or below `under`.
  QQuickItem* item(const QString& objectName, QQuickItem* under = nullptr) const;
  QObject* root() const;
  // Lets queued work and animations run for about `ms` milliseconds.
  void settle(int ms = 50);
  // What the window shows now, at its device pixel ratio.
  QImage grab();

  ConfigFile& config() { return *m_config; }
  Trans& trans() { return *m_trans; }
  OperateDevRecorder& operateDev() { return m_operateDev; }
  DevOperateThread& device() { return m_device; }
  FakeVarnexTablet& tablet() { return m_tablet; }
  FakeScreenInfo& screens() { return m_screens; }
  QFirmwareUpgrade& firmware() { return m_firmware; }
  // The simulated machine of the model that arrived last; null before.
  SimulatedWorld* world() const { return m_world.get(); }
  // Puts another object in the place of the program watcher ("ProcessInfo");
  // call before load(). The object must outlive the harness.
  void useProcessInfo(QObject* processInfo);
  QQmlApplicationEngine& engine() { return m_engine; }
  QString errors;

  // Display names of the models as the controller gives them.
  static QString devName(int devType);

 private:
  ConfigFile* m_config;
  DevOperateThread m_device;
  OperateDevRecorder m_operateDev{m_device};
  FakeVarnexTablet m_tablet;
  FakeScreenInfo m_screens;
  FakeProcessInfo m_processes;
  QFirmwareUpgrade m_firmware;
  std::unique_ptr<SimulatedWorld> m_world;
  QQmlApplicationEngine m_engine;
  Trans* m_trans = nullptr;
  int m_devType = -1;
};
