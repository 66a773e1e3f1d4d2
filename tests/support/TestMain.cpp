// Every test program starts here. Before Qt looks at the environment, HOME and
// the XDG directories are pointed at a temporary tree, so no test ever reads or
// writes the real user's settings, logs or caches.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
  QTemporaryDir home(QDir::tempPath() + "/varnex-test-XXXXXX");
  const QByteArray root = home.path().toUtf8();
  setenv("HOME", root.constData(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
  setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
  setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
  setenv("XDG_RUNTIME_DIR", root.constData(), 1);
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setOrganizationName("varnex");
  QApplication::setApplicationName("VarnexDriver");
  return RUN_ALL_TESTS();
}
