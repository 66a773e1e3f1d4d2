#include "platform/session/WindowRaiser.h"

#include "platform/ProcessWide.h"

namespace platform {

namespace {
ProcessWide<WindowRaiser>& slot() {
  static ProcessWide<WindowRaiser> raiser(&createDefaultWindowRaiser);
  return raiser;
}
}  // namespace

WindowRaiser& WindowRaiser::current() { return slot().get(); }

void WindowRaiser::install(std::unique_ptr<WindowRaiser> raiser) { slot().install(std::move(raiser)); }

}  // namespace platform
