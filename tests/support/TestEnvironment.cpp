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

}  // namespace testenv
