// The window tests draw on their own Xvfb, which must run before the
// application object connects to it; so this program has its own main.

#include "WindowProcess.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--gtest_list_tests", 18) == 0) listing = true;
  WindowProcess process(!listing);
  if (!process.ready()) {
    std::fprintf(stderr, "cannot start Xvfb for the window tests\n");
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no window system.
  if (listing) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  QApplication::setOrganizationName("varnex");
  QApplication::setApplicationName("VarnexDriver");
  return RUN_ALL_TESTS();
}
