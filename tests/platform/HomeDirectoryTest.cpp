// Started without HOME, the programs take the home folder from the password
// database instead of building paths on "" (which gave "//.local/...").

#include "platform/system/HomeDirectory.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

TEST(HomeDirectory, AMissingHomeComesFromThePasswordDatabase) {
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  const QByteArray expected = user->pw_dir;
  const QByteArray testHome = qgetenv("HOME");

  for (const QByteArray& broken : {QByteArray(), QByteArray(""), QByteArray("relative/home")}) {
    if (broken.isNull()) {
      qunsetenv("HOME");
    } else {
      qputenv("HOME", broken);
    }
    EXPECT_TRUE(platform::ensureHomeDirectory());
    EXPECT_EQ(qgetenv("HOME"), expected);
    EXPECT_EQ(QDir::homePath(), QString::fromLocal8Bit(expected));
    EXPECT_FALSE(QDir::homePath().startsWith("//"));
  }

  // A home that is set is left alone.
  qputenv("HOME", testHome);
  EXPECT_TRUE(platform::ensureHomeDirectory());
  EXPECT_EQ(qgetenv("HOME"), testHome);
}
