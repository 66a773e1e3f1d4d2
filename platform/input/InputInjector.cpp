#include "platform/input/InputInjector.h"

#include "platform/ProcessWide.h"

namespace platform {

namespace {
ProcessWide<InputInjector>& slot() {
  static ProcessWide<InputInjector> injector(&createDefaultInputInjector);
  return injector;
}
}  // namespace

InputInjector& InputInjector::current() { return slot().get(); }

void InputInjector::install(std::unique_ptr<InputInjector> injector) { slot().install(std::move(injector)); }

}  // namespace platform
