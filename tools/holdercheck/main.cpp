// holdercheck: run by the installer before the driver's files are replaced.
// Lists the programs that hold wintab32.dll, offers to end them, and tells
// the installer by its exit code whether to go on (1 when the user said No).

#include "driver/app/DisplayCheck.h"
#include "driver/core/Trans.h"
#include "platform/system/HomeDirectory.h"
#include "tools/holdercheck/HolderCheck.h"
#include "tools/holdercheck/HolderCheckCatalogues.h"

#include <QApplication>

int main(int argc, char** argv) {
  platform::ensureHomeDirectory();
  // A display is needed only to ask; a headless install where nothing holds
  // the library must still go on. Without one, Qt runs without windows.
  HolderCheck::Setup setup;
  setup.canAsk = DisplayCheck::displayAvailable(argc, argv);
  if (!setup.canAsk) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  initHolderCheckCatalogues();
  Trans trans(nullptr);
  return HolderCheck(setup).run();
}
