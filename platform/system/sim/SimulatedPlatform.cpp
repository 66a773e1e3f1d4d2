#include "platform/system/sim/SimulatedPlatform.h"

#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/input/sim/SimInputInjector.h"
#include "platform/process/sim/SimProgramStarter.h"
#include "platform/session/ForegroundWatcher.h"
#include "platform/session/sim/SimForeground.h"
#include "platform/session/sim/SimSession.h"
#include "platform/session/sim/SimWindowRaiser.h"
#include "platform/virtualpen/VirtualPen.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

namespace platform {

SimulatedPlatform::SimulatedPlatform() {
  auto keys = std::make_unique<SimInputInjector>();
  auto programs = std::make_unique<SimProgramStarter>();
  m_keys = keys.get();
  m_programs = programs.get();
  m_pen = std::make_shared<RecordingPenOutput>();
  install(std::move(keys), std::move(programs), m_pen);
}

SimulatedPlatform::SimulatedPlatform(std::unique_ptr<InputInjector> injector, std::unique_ptr<ProgramStarter> starter,
                                     std::shared_ptr<PenOutput> pen) {
  install(std::move(injector), std::move(starter), std::move(pen));
}

void SimulatedPlatform::install(std::unique_ptr<InputInjector> injector, std::unique_ptr<ProgramStarter> starter,
                                std::shared_ptr<PenOutput> pen) {
  // The backend first: the virtual pen registers with the current one.
  HidBackend::install(std::make_unique<SimHidBackend>());
  InputInjector::install(std::move(injector));
  ProgramStarter::install(std::move(starter));
  // "Show the driver" looks for a window by title; a simulated run must not
  // touch the desktop it runs on.
  WindowRaiser::install(std::make_unique<SimWindowRaiser>());
  VirtualPen::install(std::move(pen));
  m_foreground = std::make_shared<SimForeground>();
  SimForeground::install(m_foreground);
  m_session = std::make_unique<SimSession>();
}

SimulatedPlatform::~SimulatedPlatform() {
  m_session.reset();
  VirtualPen::uninstall();
  ForegroundWatcher::installFactory(nullptr);
  ForegroundWatcher::installHelpProbe(nullptr);
  WindowRaiser::install(nullptr);
  ProgramStarter::install(nullptr);
  InputInjector::install(nullptr);
  HidBackend::install(nullptr);
}

}  // namespace platform
