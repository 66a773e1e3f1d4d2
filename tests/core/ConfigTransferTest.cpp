// Import and export of the settings file, with the dialogs answered by the
// test, and the links the window opens.

#include "driver/core/ConfigFile.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/ProjectLinks.h"
#include "driver/core/PromptService.h"
#include "driver/core/SafeFileCopy.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

#include <QElapsedTimer>

#include <memory>

#include <sys/stat.h>

using namespace MyQmlEnum;

namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class ConfigTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = testenv::freshDir("config");
    elsewhere = testenv::freshDir("usb-stick");
    store = std::make_unique<ConfigFile>(dir);
    store->setDeviceConfig("Lark A", CFG_LarkA);
    FileDialogService::setHandler([this](const FileDialogService::Request& request) {
      requests.push_back(request);
      return answer;
    });
    PromptService::setHandler([this](const PromptService::Prompt& prompt) {
      prompts.push_back(prompt);
      return PromptService::Answer::Ok;
    });
  }
  void TearDown() override {
    FileDialogService::setHandler({});
    PromptService::setHandler({});
  }

  // The text of the one prompt shown since the last call; fails when none or
  // several were. File names go only where they are shown as plain text.
  QString onePrompt() {
    EXPECT_EQ(prompts.size(), 1u);
    for (const PromptService::Prompt& prompt : prompts) EXPECT_TRUE(prompt.informativeText.isEmpty());
    const QString text = prompts.empty() ? QString() : prompts.back().text;
    prompts.clear();
    return text;
  }

  QString dir;
  QString elsewhere;
  QString answer;
  std::vector<FileDialogService::Request> requests;
  std::vector<PromptService::Prompt> prompts;
  std::unique_ptr<ConfigFile> store;
};

TEST_F(ConfigTransferTest, ExportCopiesTheCurrentFileUnderItsOwnName) {
  store->setSkinIndex(3);
  answer = elsewhere;
  ASSERT_TRUE(store->exportConfigFile());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].kind, FileDialogService::Request::Kind::Directory);
  EXPECT_EQ(requests[0].caption, "导出配置文件");

  const QString exported = elsewhere + "/Lark A_config.ini";
  EXPECT_EQ(contentOf(exported), contentOf(store->currentConfigFilePath()));

  // A second export replaces the first.
  store->setSkinIndex(4);
  ASSERT_TRUE(store->exportConfigFile());
  EXPECT_EQ(QSettings(exported, QSettings::IniFormat).value("global/SkinIndex").toInt(), 4);
  // Nothing but the exported file is left beside it.
  EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList({"Lark A_config.ini"}));
}

TEST_F(ConfigTransferTest, FailedOrCancelledExportLeavesAnEarlierExportAsItWas) {
  const QString exported = elsewhere + "/Lark A_config.ini";
  writeFile(exported, "[global]\nSkinIndex=2\n");

  EXPECT_FALSE(store->exportConfigFile());  // cancelled: empty answer

  // Nothing has been stored for this model yet, so there is nothing to copy.
  answer = elsewhere;
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_EQ(contentOf(exported), "[global]\nSkinIndex=2\n");
  EXPECT_FALSE(onePrompt().isEmpty());

  answer = elsewhere + "/no/such/folder";
  store->setSkinIndex(1);
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_TRUE(onePrompt().contains(answer)) << "a failed export says where it failed";
}

TEST_F(ConfigTransferTest, ImportingAnExportedFileTakesEffectAtOnce) {
  store->setSkinIndex(3);
  store->setComboxIndex(K1, 2);

  const QString exported = elsewhere + "/Lark A_config.ini";
  writeFile(exported, "[global]\nSkinIndex=12\n\n[CommonKey]\nK1ShortcutkeyEnum=6\n");
  answer = exported;
  ASSERT_TRUE(store->importConfigFile());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].kind, FileDialogService::Request::Kind::Open);
  EXPECT_EQ(requests[0].caption, "导入配置文件");
  EXPECT_EQ(requests[0].filter, "ini (*.ini)");
  EXPECT_EQ(requests[0].directory, "");

  EXPECT_EQ(store->getSkinIndex(), 12);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), ESave);
  EXPECT_EQ(store->getComboxIndex(K1), 0);
  EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList({"Lark A_config.ini"}));
}

TEST_F(ConfigTransferTest, FailedImportKeepsTheSettings) {
  store->setSkinIndex(3);
  const QByteArray before = contentOf(store->currentConfigFilePath());

  EXPECT_FALSE(store->importConfigFile());  // cancelled

  answer = elsewhere + "/Lark A_config.ini";  // vanished before it was read
  EXPECT_FALSE(store->importConfigFile());
  EXPECT_EQ(contentOf(store->currentConfigFilePath()), before);

  // Choosing the settings file itself must not destroy it.
  answer = store->currentConfigFilePath();
  EXPECT_TRUE(store->importConfigFile());
  EXPECT_EQ(contentOf(store->currentConfigFilePath()), before);
  EXPECT_EQ(store->getSkinIndex(), 3);

  // A file of another name lands beside the current one and changes nothing.
  writeFile(elsewhere + "/Mesa B_config.ini", "[global]\nSkinIndex=9\n");
  answer = elsewhere + "/Mesa B_config.ini";
  EXPECT_TRUE(store->importConfigFile());
  EXPECT_TRUE(QFileInfo::exists(dir + "/Mesa B_config.ini"));
  EXPECT_EQ(store->getSkinIndex(), 3);
}

// A shared folder such as /tmp is where another user can plant a link at the
// name the export will use, pointing into this user's own files.
TEST_F(ConfigTransferTest, ExportNeverWritesThroughALinkOrIntoAnythingButAFile) {
  store->setSkinIndex(3);
  const QString victim = testenv::freshDir("victim") + "/precious.ini";
  writeFile(victim, "[global]\nSkinIndex=1\n");
  const QString target = elsewhere + "/Lark A_config.ini";
  ASSERT_TRUE(QFile::link(victim, target));
  answer = elsewhere;

  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_EQ(contentOf(victim), "[global]\nSkinIndex=1\n");
  EXPECT_TRUE(QFileInfo(target).isSymLink());
  EXPECT_TRUE(onePrompt().contains(target));

  // A link to nowhere, a FIFO and a folder at the name are refused as well,
  // at once (a FIFO is never opened).
  QFile::remove(target);
  ASSERT_TRUE(QFile::link(elsewhere + "/not-yet", target));
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_FALSE(QFileInfo::exists(elsewhere + "/not-yet"));
  EXPECT_TRUE(onePrompt().contains(target));
  QFile::remove(target);
  ASSERT_EQ(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_TRUE(onePrompt().contains(target));
  QFile::remove(target);
  ASSERT_TRUE(QDir().mkpath(target));
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_TRUE(onePrompt().contains(target));
  ASSERT_TRUE(QDir().rmdir(target));

  // An earlier export of one's own is a regular file and is replaced.
  writeFile(target, "old");
  EXPECT_TRUE(store->exportConfigFile());
  EXPECT_EQ(contentOf(target), contentOf(store->currentConfigFilePath()));
  EXPECT_TRUE(prompts.empty());
  EXPECT_EQ(QDir(elsewhere).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"Lark A_config.ini"}));
}

TEST_F(ConfigTransferTest, AnExportOrImportThatDoesNothingSaysSoInTheWindow) {
  // Nothing stored yet for this model: nothing to export, and the user hears why.
  answer = elsewhere;
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_FALSE(onePrompt().isEmpty());
  EXPECT_TRUE(QDir(elsewhere).isEmpty());

  // A damaged file is refused, and says so.
  const QString damaged = elsewhere + "/Lark A_config.ini";
  writeFile(damaged, "[PressCurve]\nmidPoint=@Variant(\\0\\0\\0\\x45\\0\\0\\0\\x10)\n");
  answer = damaged;
  EXPECT_FALSE(store->importConfigFile());
  EXPECT_TRUE(onePrompt().contains(damaged));

  // Another model's file is kept beside the current one, for that model.
  writeFile(elsewhere + "/Mesa B_config.ini", "[global]\nSkinIndex=9\n");
  answer = elsewhere + "/Mesa B_config.ini";
  EXPECT_TRUE(store->importConfigFile());
  EXPECT_TRUE(onePrompt().contains("Mesa B"));
  writeFile(elsewhere + "/notes.ini", "[global]\nSkinIndex=9\n");
  answer = elsewhere + "/notes.ini";
  EXPECT_TRUE(store->importConfigFile());
  EXPECT_TRUE(onePrompt().contains("notes.ini"));

  // A FIFO offered for import is refused without waiting for a writer.
  const QString fifo = elsewhere + "/fifo.ini";
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  answer = fifo;
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(store->importConfigFile());
  EXPECT_LT(timer.elapsed(), 5000);
  EXPECT_TRUE(onePrompt().contains(fifo));

  // The model's own file takes effect and needs no word; neither does a cancel.
  writeFile(elsewhere + "/Lark A_config.ini", "[global]\nSkinIndex=7\n");
  answer = elsewhere + "/Lark A_config.ini";
  EXPECT_TRUE(store->importConfigFile());
  EXPECT_EQ(store->getSkinIndex(), 7);
  answer.clear();
  EXPECT_FALSE(store->importConfigFile());
  EXPECT_FALSE(store->exportConfigFile());
  EXPECT_TRUE(prompts.empty());
}

TEST(SafeFileCopy, FailureLeavesTheTargetAndExplainsWhy) {
  const QString dir = testenv::freshDir("copy");
  writeFile(dir + "/target.ini", "old");
  QString error;
  EXPECT_FALSE(copyFileReplacing(dir + "/missing.ini", dir + "/target.ini", &error));
  EXPECT_TRUE(error.contains("missing.ini")) << error.toStdString();
  EXPECT_EQ(contentOf(dir + "/target.ini"), "old");

  // The target's place is taken by a folder: the write fails, the folder stays.
  writeFile(dir + "/source.ini", "new");
  QDir().mkpath(dir + "/occupied.ini");
  EXPECT_FALSE(copyFileReplacing(dir + "/source.ini", dir + "/occupied.ini", &error));
  EXPECT_TRUE(QFileInfo(dir + "/occupied.ini").isDir());

  EXPECT_TRUE(copyFileReplacing(dir + "/source.ini", dir + "/target.ini"));
  EXPECT_EQ(contentOf(dir + "/target.ini"), "new");
  EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList({"source.ini", "target.ini"}));
}

// Every link opens a page that is there: all five ship with the program, in
// the language of the site chosen.
TEST(ConfigLinks, TwoSitesOfFiveShippedPages) {
  ConfigFile store(testenv::freshDir("config"));
  const QString shipped = testenv::sourceDir() + "/docs/help/";
  for (bool chinese : {true, false}) {
    store.loadUrlSet(chinese);
    const QString language = chinese ? "zh" : "en";
    QStringList pages;
    for (int link : {EVarnexUrl, EDownLoadurl, EDevNoConnect, EopenVirtualDevError, EHelp}) {
      const QUrl url(store.getUrl(link));
      ASSERT_TRUE(url.isLocalFile()) << link << " " << url.toString().toStdString();
      const QString page = url.toLocalFile().mid(ProjectLinks::helpDirectory().size() + 1);
      EXPECT_TRUE(page.startsWith(language + "/")) << page.toStdString();
      EXPECT_TRUE(QFileInfo::exists(shipped + page)) << page.toStdString();
      pages << page;
    }
    pages.removeDuplicates();
    EXPECT_EQ(pages.size(), 5);
  }
  // The pages link to each other; each such link leads to a shipped page.
  const QRegularExpression link("href=\"([^\"#:]+)\"");
  for (const QString& language : {"zh", "en"}) {
    for (const QFileInfo& page : QDir(shipped + language).entryInfoList({"*.html"}, QDir::Files)) {
      QFile file(page.filePath());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      auto matches = link.globalMatch(QString::fromUtf8(file.readAll()));
      while (matches.hasNext()) {
        const QString target = matches.next().captured(1);
        EXPECT_TRUE(QFileInfo::exists(page.path() + "/" + target))
            << page.fileName().toStdString() << " -> " << target.toStdString();
      }
    }
  }
  EXPECT_NE(store.getUrl(EHelp), ConfigFile(testenv::freshDir("config")).getUrl(EHelp));
  EXPECT_EQ(store.getUrl(5), "");
  EXPECT_EQ(store.getUrl(-1), "");
}

}  // namespace
