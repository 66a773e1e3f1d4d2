// holdercheck: run by the installer before the driver's files are replaced.
// Lists the programs that hold wintab32.dll, offers to end them, and tells
// the installer by its exit code whether to go on (1 when the user said No).

#include "driver/core/Trans.h"
#include "tools/holdercheck/HolderCheck.h"
#include "tools/holdercheck/HolderCheckCatalogues.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  initHolderCheckCatalogues();
  Trans trans(nullptr);
  return HolderCheck().run();
}
