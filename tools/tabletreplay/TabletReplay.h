#pragma once

#include "tools/tabletreplay/ReplayInput.h"
#include "tools/tabletreplay/ReplayOptions.h"

#include <cstdio>
#include <vector>

// Runs the real device path over a simulated tablet of the chosen model:
// starts the device as the driver does, applies the window's first settings,
// feeds the reports in order and prints every event the system would emit.
// Needs a QApplication (the hint popup is a widget) and a private settings
// directory: the settings store of this process is switched to the model's
// file there.
class TabletReplay {
 public:
  TabletReplay(const ReplayOptions& options, FILE* out);

  // The model's input report length, which the reports are padded to.
  static int inputReportLength();

  // False with a one-line reason when the settings file cannot be read.
  bool prepareSettings(QString& error);

  // Returns the process exit code.
  int run(const std::vector<ReplayStep>& steps);

 private:
  ReplayOptions m_options;
  FILE* m_out;
};
