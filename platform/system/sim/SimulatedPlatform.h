#pragma once

#include <memory>

namespace platform {

class InputInjector;
class PenOutput;
class ProgramStarter;
class RecordingPenOutput;
class SimForeground;
class SimInputInjector;
class SimProgramStarter;

// The simulated world in one piece: while an object of this class lives, the
// process sees no real HID devices (only in-process ones), keys and mouse go
// to an injector that records or prints them, programs are not started,
// windows are not raised, the program in front is the simulated desktop's
// `foreground()` and the virtual pen writes to `pen`. The destructor
// brings back the defaults. One at a time.
class SimulatedPlatform {
 public:
  // Everything recorded: keys in a SimInputInjector, programs in a
  // SimProgramStarter, pen reports in a RecordingPenOutput.
  SimulatedPlatform();
  // The caller's own outputs (tabletreplay prints them).
  SimulatedPlatform(std::unique_ptr<InputInjector> injector, std::unique_ptr<ProgramStarter> starter,
                    std::shared_ptr<PenOutput> pen);
  ~SimulatedPlatform();

  SimulatedPlatform(const SimulatedPlatform&) = delete;
  SimulatedPlatform& operator=(const SimulatedPlatform&) = delete;

  // The recorders of the first constructor; null with the caller's outputs.
  SimInputInjector* keys() const { return m_keys; }
  SimProgramStarter* programs() const { return m_programs; }
  RecordingPenOutput* pen() const { return m_pen.get(); }
  // Which program is in front; nothing is until someone brings one forward.
  const std::shared_ptr<SimForeground>& foreground() const { return m_foreground; }

 private:
  void install(std::unique_ptr<InputInjector> injector, std::unique_ptr<ProgramStarter> starter,
               std::shared_ptr<PenOutput> pen);

  SimInputInjector* m_keys = nullptr;
  SimProgramStarter* m_programs = nullptr;
  std::shared_ptr<RecordingPenOutput> m_pen;
  std::shared_ptr<SimForeground> m_foreground;
};

}  // namespace platform
