#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QUuid>

namespace testenv {

QString homeDir() { return qEnvironmentVariable("HOME"); }

QString freshDir(const QString& name) {
  const QString path = homeDir() + "/" + name + "-" + QUuid::createUuid().toString(QUuid::Id128);
  QDir().mkpath(path);
  return path;
}

QString sourceDir() {
  const QString dir = qEnvironmentVariable("VARNEX_SOURCE_DIR");
  return dir.isEmpty() ? QStringLiteral(VARNEX_TEST_SOURCE_DIR) : dir;
}

QString binaryDir() {
  const QString dir = qEnvironmentVariable("VARNEX_BINARY_DIR");
  return dir.isEmpty() ? QStringLiteral(VARNEX_TEST_BINARY_DIR) : dir;
}

void useWindowSanitizerOptions(QProcessEnvironment& environment) {
  if (!environment.contains("ASAN_OPTIONS")) return;
  environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":strict_string_checks=0");
  environment.insert("LSAN_OPTIONS",
                     "suppressions=" + sourceDir() + "/tests/qml/lsan-window.supp:print_suppressions=0");
  // The xcb platform's GL integration loads Mesa, which keeps a buffer and is
  // unloaded before the leak check, so the check cannot even name it; the
  // window draws in software without it, as in the window tests.
  environment.insert("QT_XCB_GL_INTEGRATION", "none");
}

}  // namespace testenv
