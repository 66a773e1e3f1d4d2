#pragma once

#include "platform/display/DisplayOutputs.h"

namespace platform {

// A desktop that tells us nothing about its monitors: no outputs, no turns.
class NullDisplayOutputs : public DisplayOutputs {
 public:
  QVector<DisplayOutput> outputs() override { return {}; }
  int setMode(const QString&, int, QSize) override { return DisplayChangeFailed; }
  const char* kind() const override { return "none"; }
};

}  // namespace platform
