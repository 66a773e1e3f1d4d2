// VarnexDriver: until the controller exists, this starts the application
// object and reports what the build knows about.

#include "driver/app/Log.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ModelTable.h"
#include "platform/system/CrashHandler.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char** argv) {
  QApplication::setOrganizationName("varnex");
  QApplication app(argc, argv);
  QApplication::setApplicationName("VarnexDriver");
  CrashHandler::install();
  installLog("Log", 1024, true);
  qInfo().noquote() << "VarnexDriver" << VARNEX_VERSION << "knows" << ModelTable::models().size() << "models";
  return 0;
}
