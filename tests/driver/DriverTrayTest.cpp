// The tray menu speaks the chosen language, also after a switch at run time.

#include "driver/app/DriverTray.h"
#include "driver/app/TranslationCatalogues.h"
#include "driver/core/Trans.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QSignalSpy>

TEST(DriverTray, QuitSpeaksTheLanguageAndFollowsASwitch) {
  initTranslationCatalogues();
  Trans trans(nullptr, nullptr, QStringLiteral(":/i18n"), QStringLiteral("de_DE"));
  DriverTray tray;
  EXPECT_EQ(tray.quitAction()->text(), QStringLiteral("Beenden"));

  ASSERT_TRUE(trans.languageList().contains(QStringLiteral("français")));
  trans.reTrans(QStringLiteral("français"));
  QCoreApplication::processEvents();
  EXPECT_EQ(tray.quitAction()->text(), QStringLiteral("Quitter"));

  QSignalSpy quit(&tray, &DriverTray::quitRequested);
  tray.quitAction()->trigger();
  EXPECT_EQ(quit.count(), 1);
}
