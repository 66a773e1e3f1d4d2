#include "platform/display/DisplayOutputs.h"

#include "platform/ProcessWide.h"

namespace platform {

namespace {
ProcessWide<DisplayOutputs>& slot() {
  static ProcessWide<DisplayOutputs> outputs(&createDefaultDisplayOutputs);
  return outputs;
}
}  // namespace

DisplayOutputs& DisplayOutputs::current() { return slot().get(); }

void DisplayOutputs::install(std::unique_ptr<DisplayOutputs> outputs) { slot().install(std::move(outputs)); }

}  // namespace platform
