#pragma once

#include "platform/input/InputInjector.h"
#include "platform/process/ProgramStarter.h"
#include "platform/virtualpen/PenOutput.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <mutex>

// Where tabletreplay's lines go: one line per event, written whole and
// flushed by the thread that emits the event, so the order is exact.
class ReplayLog {
 public:
  explicit ReplayLog(FILE* out) : m_out(out) {}
  void line(const QString& text);
  // "HEX" of tabletreplay: upper-case byte pairs without spaces.
  static QString hex(const uint8_t* data, int length);

  // Why the first line could not be written (a full disk, a closed pipe);
  // empty while every line went out. Nothing is written after a failure.
  QString writeError() const;

 private:
  mutable std::mutex m_lock;
  FILE* m_out;
  QString m_writeError;
};

// The keyboard and mouse as the system would have received them.
class PrintingInputInjector : public platform::InputInjector {
 public:
  explicit PrintingInputInjector(ReplayLog& log) : m_log(log) {}
  void sendKeys(const platform::KeyStroke* strokes, size_t count) override;
  void sendMouseButton(platform::MouseButton button, bool down) override;
  void sendWheel(int delta) override;
  const char* kind() const override { return "replay"; }

 private:
  ReplayLog& m_log;
};

// Programs a key would have started; nothing is started.
class PrintingProgramStarter : public platform::ProgramStarter {
 public:
  explicit PrintingProgramStarter(ReplayLog& log) : m_log(log) {}
  bool startDetached(const QString& path) override;

 private:
  ReplayLog& m_log;
};

// The virtual pen: prints every pen report and mode report it receives.
class PrintingPenOutput : public platform::PenOutput {
 public:
  explicit PrintingPenOutput(ReplayLog& log) : m_log(log) {}
  bool penReport(const uint8_t* report, int length) override;
  bool modeReport(const uint8_t* report, int length) override;

 private:
  ReplayLog& m_log;
};
