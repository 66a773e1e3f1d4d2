#pragma once

#include "platform/display/DisplayOutputs.h"

namespace platform {

// The monitors of a sway session, from sway's IPC: name, make, model,
// layout, transform and modes (sway gives no EDID; its model string is the
// one it read from the monitor's EDID). Turned with sway's own output
// command, after which sway arranges the outputs it places itself.
class SwayDisplayOutputs : public DisplayOutputs {
 public:
  // Empty path: $SWAYSOCK.
  explicit SwayDisplayOutputs(QString socketPath = QString());

  QVector<DisplayOutput> outputs() override;
  int setMode(const QString& outputName, int orientation, QSize size) override;
  const char* kind() const override { return "sway"; }

 private:
  QString m_socketPath;
};

}  // namespace platform
