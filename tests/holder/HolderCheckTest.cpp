// The installer's check with the real probes and real helper programs. The
// check is run in-process so the tests can answer its question; one run of
// the real program shows that it never lists itself.

#include "HolderTestSupport.h"
#include "driver/core/PromptService.h"
#include "driver/core/Trans.h"
#include "tests/support/TestEnvironment.h"
#include "tools/holdercheck/HolderCheck.h"
#include "tools/holdercheck/HolderCheckCatalogues.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <optional>

using namespace holdertest;

namespace {

// Answers the check's question and remembers what it asked.
class HolderCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initHolderCheckCatalogues();
    m_dir = testenv::freshDir("holdercheck");
    m_module = uniqueName("wintab32", ".dll");
  }
  void TearDown() override { PromptService::setHandler({}); }

  int runCheck(PromptService::Answer answer) {
    PromptService::setHandler([this, answer](const PromptService::Prompt& prompt) {
      m_asked = prompt;
      return answer;
    });
    HolderCheck::Setup setup;
    setup.moduleName = m_module;
    setup.probeDir = QFileInfo(probe(64)).absolutePath();
    return HolderCheck(setup).run();
  }

  QString m_dir;
  QString m_module;
  std::optional<PromptService::Prompt> m_asked;
};

}  // namespace

TEST(HolderCheckNames, ListsOnlyNamesWithAnExeSuffixAndNeverItself) {
  using Names = QList<QByteArray>;
  const Names parts =
      HolderCheck::splitOutput("$$paint.exe$EXCEL.EXE$", "$$holdercheck.exe$krita.exe$tool$a.exec$", "holdercheck.exe");
  EXPECT_EQ(parts, (Names{"", "", "paint.exe", "EXCEL.EXE", "", "", "", "krita.exe", "tool", "a.exec", ""}));
  EXPECT_EQ(HolderCheck::acceptedNames(parts), (Names{"paint.exe", "krita.exe", "a.exec"}));
  EXPECT_EQ(HolderCheck::acceptedNames(HolderCheck::splitOutput("", "", "holdercheck.exe")), Names());
  EXPECT_EQ(HolderCheck::acceptedNames({"exe", "paint.ex", "x.EXE", ".exe", "Holdercheck.exe"}),
            (Names{".exe", "Holdercheck.exe"}));
}

TEST_F(HolderCheckTest, AsksNothingWhenNobodyHoldsTheLibrary) {
  EXPECT_EQ(runCheck(PromptService::Answer::No), 0);
  EXPECT_FALSE(m_asked);
}

TEST_F(HolderCheckTest, YesEndsTheListedProgramsAsDataAndSparesTheOthers) {
  const QString paint = uniqueName("paint", ".exe");
  // A name a shell would run a command from.
  const QString marker = uniqueName("ran", "");
  const QString crafted = "x;touch " + marker + ";.exe";
  const QString excel = uniqueName("EXCEL", ".EXE");
  Holder first(m_dir, paint, {m_module});
  Holder second(m_dir, paint, {m_module});
  Holder craftedHolder(m_dir, crafted, {m_module});
  Holder excelHolder(m_dir, excel, {m_module});
  ASSERT_TRUE(first.isReady() && second.isReady() && craftedHolder.isReady() && excelHolder.isReady());

  EXPECT_EQ(runCheck(PromptService::Answer::Yes), 0);
  ASSERT_TRUE(m_asked);
  EXPECT_EQ(m_asked->icon, PromptService::Icon::Warning);
  EXPECT_EQ(m_asked->buttons, PromptService::Prompt::Buttons::YesNo);
  // Two instances are listed twice; the first end takes both.
  EXPECT_EQ(m_asked->text.count("\n" + paint + "\n"), 2) << m_asked->text.toStdString();
  EXPECT_TRUE(m_asked->text.contains("\n" + crafted + "\n"));
  EXPECT_FALSE(m_asked->text.contains(excel));

  EXPECT_TRUE(first.waitEnded(1000));
  EXPECT_TRUE(second.waitEnded(1000));
  EXPECT_TRUE(craftedHolder.waitEnded(1000));
  EXPECT_FALSE(excelHolder.waitEnded(200));
  EXPECT_FALSE(QFileInfo::exists(marker));
  EXPECT_FALSE(QFileInfo::exists(QDir::homePath() + "/" + marker));
}

TEST_F(HolderCheckTest, NoLeavesEverythingRunningAndTellsTheInstallerToStop) {
  const QString paint = uniqueName("paint", ".exe");
  Holder holder(m_dir, paint, {m_module});
  ASSERT_TRUE(holder.isReady());
  EXPECT_EQ(runCheck(PromptService::Answer::No), 1);
  ASSERT_TRUE(m_asked);
  EXPECT_TRUE(m_asked->text.endsWith("\n\n" + paint + "\n")) << m_asked->text.toStdString();
  EXPECT_FALSE(holder.waitEnded(200));

  // Closing the box some other way lets the installation go on, ending nothing.
  EXPECT_EQ(runCheck(PromptService::Answer::Cancel), 0);
  EXPECT_FALSE(holder.waitEnded(200));
}

TEST_F(HolderCheckTest, AsksInTheLanguageOfTheLocale) {
  Holder holder(m_dir, uniqueName("paint", ".exe"), {m_module});
  ASSERT_TRUE(holder.isReady());
  {
    Trans trans(nullptr, nullptr, ":/i18n", "de_DE");
    runCheck(PromptService::Answer::No);
    ASSERT_TRUE(m_asked);
    EXPECT_EQ(m_asked->title, "Installationshinweis");
    EXPECT_TRUE(m_asked->text.startsWith("Möchten Sie diese Prozesse")) << m_asked->text.toStdString();
  }
  // The Japanese catalogue's code is "jp", so a Japanese locale gets English.
  Trans trans(nullptr, nullptr, ":/i18n", "ja_JP");
  EXPECT_EQ(trans.languageList().size(), 8);
  runCheck(PromptService::Answer::No);
  EXPECT_TRUE(m_asked->text.startsWith(
      "Do you want to end these processes that occupy wintab32.dll and continue the installation?\n\n"));
}

TEST_F(HolderCheckTest, TheProgramNeverListsItself) {
  // The checker itself, under its Windows name, holding the real module name.
  const QString checker = m_dir + "/holdercheck.exe";
  ASSERT_TRUE(QFile::copy(HOLDERCHECK, checker));
  for (const int width : {64, 32}) {
    const QString program = probe(width);
    if (!program.isEmpty()) QFile::link(program, m_dir + "/" + QFileInfo(program).fileName());
  }
  ASSERT_TRUE(QFile::copy(testModule(64), m_dir + "/wintab32.dll"));

  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LD_PRELOAD", m_dir + "/wintab32.dll");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.start(checker, QStringList());
  // A box would wait for an answer that never comes.
  const bool finished = process.waitForFinished(60000);
  if (!finished) {
    process.kill();
    process.waitForFinished();
  }
  ASSERT_TRUE(finished) << "holdercheck asked about itself";
  EXPECT_EQ(process.exitCode(), 0);
  const QString log = QString::fromLocal8Bit(process.readAllStandardError());
  EXPECT_TRUE(log.contains("ProgressNames \"\"")) << log.toStdString();
  EXPECT_TRUE(log.contains("ret 0")) << log.toStdString();
}
