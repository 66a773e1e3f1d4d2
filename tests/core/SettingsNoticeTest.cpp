// The window hears once per file that its settings are not being saved, also
// about a file the store found before the notice existed, and where a damaged
// file was kept.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/core/SettingsNotice.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <vector>

TEST(SettingsNotice, TellsOncePerFileWhatIsNotSavedAndWhy) {
  const QString dir = testenv::freshDir("notice");
  {
    // Too large to be read: the store holds it from its construction on.
    QFile first(dir + "/setting.ini");
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.write(QByteArray(5 * 1024 * 1024, ';'));
  }
  ConfigFile store(dir);
  std::vector<PromptService::Prompt> prompts;
  PromptService::setHandler([&](const PromptService::Prompt& prompt) {
    prompts.push_back(prompt);
    return PromptService::Answer::Ok;
  });
  SettingsNotice notice(&store);
  const QString full = dir + "/Lark A_config.ini";
  emit store.settingsHeldInMemory(full, false);
  emit store.settingsHeldInMemory(full, false);
  // A damaged file is moved aside: the user hears where it went.
  const QString damaged = dir + "/Mesa B_config.ini";
  {
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PressCurve]\nmidPoint=@Variant(\\0\\0\\0\\x45\\0\\0\\0\\x10)\n");
  }
  store.setDeviceConfig("Mesa B", MyQmlEnum::CFG_MesaB);
  EXPECT_TRUE(prompts.empty()) << "told from the event loop, not from the thread that found it";
  QCoreApplication::processEvents();
  PromptService::setHandler({});

  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_TRUE(prompts[2].text.contains(damaged + ".damaged"));
  EXPECT_TRUE(prompts[0].text.contains(dir + "/setting.ini"));
  EXPECT_TRUE(prompts[1].text.contains(full));
  EXPECT_NE(prompts[0].text.left(6), prompts[1].text.left(6)) << "unreadable and unwritable are told apart";
  EXPECT_EQ(prompts[0].icon, PromptService::Icon::Warning);
}
