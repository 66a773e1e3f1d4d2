// Names the probes' "$"-joined output cannot carry, and holders that cannot
// be ended: the check ends only processes that really hold the library, and
// never tells the installer all is well while one still does.

#include "HolderTestSupport.h"
#include "driver/core/PromptService.h"
#include "platform/process/ModuleHolderWalk.h"
#include "platform/process/ProcessEnder.h"
#include "tests/support/TestEnvironment.h"
#include "tools/holdercheck/HolderCheck.h"
#include "tools/holdercheck/HolderCheckCatalogues.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

using namespace holdertest;

namespace {

const char kChildModule[] = "VARNEX_HOLDERCHECK_CHILD_MODULE";

struct Check {
  int code = -1;
  std::optional<PromptService::Prompt> asked;
};

Check runCheck(const QString& module, PromptService::Answer answer) {
  Check check;
  PromptService::setHandler([&check, answer](const PromptService::Prompt& prompt) {
    check.asked = prompt;
    return answer;
  });
  initHolderCheckCatalogues();
  HolderCheck::Setup setup;
  setup.moduleName = module;
  setup.probeDir = QFileInfo(probe(64)).absolutePath();
  check.code = HolderCheck(setup).run();
  PromptService::setHandler({});
  return check;
}

}  // namespace

TEST(HolderNames, WhatTheOutputCannotCarryBecomesAQuestionMark) {
  using platform::ModuleHolderWalk;
  EXPECT_EQ(ModuleHolderWalk::carriedName("adv$zz.exe"), "adv?zz.exe");
  EXPECT_EQ(ModuleHolderWalk::carriedName("two\nlines.exe"), "two?lines.exe");
  EXPECT_EQ(ModuleHolderWalk::carriedName(std::string("bell\a\x7f.exe")), "bell??.exe");
  EXPECT_EQ(ModuleHolderWalk::carriedName("Grafik \xc3\xa9.exe"), "Grafik \xc3\xa9.exe");
}

TEST(HolderConfirmation, ANameWithADollarEndsItsHolderAndNoBystander) {
  const QString dir = testenv::freshDir("holder-dollar");
  const QString module = uniqueName("wintab32", ".dll");
  const QString tail = uniqueName("zz", ".exe");
  Holder holder(dir, "adv$" + tail, {module});
  Holder twoLines(dir, "two\n" + tail, {module});
  // Same name as the part after "$", but it holds nothing.
  Holder bystander(dir + "/other", tail, {});
  ASSERT_TRUE(holder.isReady() && twoLines.isReady() && bystander.isReady());

  const ProbeRun probe = runProbe(64, {module});
  EXPECT_TRUE(probe.output.contains("$adv?" + tail.toUtf8())) << probe.output.constData();
  EXPECT_TRUE(probe.output.contains("$two?" + tail.toUtf8())) << probe.output.constData();

  const Check check = runCheck(module, PromptService::Answer::Yes);
  EXPECT_EQ(check.code, HolderCheck::kGoOn);
  ASSERT_TRUE(check.asked);
  EXPECT_TRUE(check.asked->text.contains("\nadv?" + tail + "\n")) << check.asked->text.toStdString();
  EXPECT_TRUE(check.asked->text.contains("\ntwo?" + tail + "\n"));
  EXPECT_TRUE(holder.waitEnded(2000));
  EXPECT_TRUE(twoLines.waitEnded(2000));
  EXPECT_FALSE(bystander.waitEnded(300));
}

TEST(HolderConfirmation, ANameAloneNeverEndsAProcessThatHoldsNothing) {
  // What an older probe would have printed for "adv$zz.exe".
  const QString dir = testenv::freshDir("holder-bystander");
  const QString module = uniqueName("wintab32", ".dll");
  const QString name = uniqueName("zz", ".exe");
  Holder bystander(dir, name, {});
  ASSERT_TRUE(bystander.isReady());
  const platform::ProcessEnder::HolderEnding ending =
      platform::ProcessEnder().endHolders(name.toStdString(), module.toStdString());
  EXPECT_EQ(ending.found, 0);
  EXPECT_EQ(ending.failed, 0);
  EXPECT_FALSE(bystander.waitEnded(300));
}

// The other half of the next test: the check as a user who may look into
// every process but end only its own. Skipped unless that test starts it.
TEST(HolderConfirmation, ChildRunsTheCheckAnsweringYes) {
  const QByteArray module = qgetenv(kChildModule);
  if (module.isEmpty()) GTEST_SKIP() << "run by HolderConfirmation.AHolderThatCannotBeEndedIsNoSuccess";
  const Check check = runCheck(QString::fromUtf8(module), PromptService::Answer::Yes);
  std::printf("holdercheck exit %d asked %d\n", check.code, check.asked ? 1 : 0);
}

TEST(HolderConfirmation, AHolderThatCannotBeEndedIsNoSuccess) {
  const QString setpriv = QStandardPaths::findExecutable("setpriv");
  if (setpriv.isEmpty()) GTEST_SKIP() << "setpriv (util-linux) is not installed";
  const QString dir = testenv::freshDir("holder-unkillable");
  const QString module = uniqueName("wintab32", ".dll");
  Holder holder(dir, uniqueName("paint", ".exe"), {module});
  ASSERT_TRUE(holder.isReady());

  // Another user with the right to read every process's map (as the probes
  // need) but not to signal ours: the holder outlives the "Yes".
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kChildModule, module);
  environment.remove("HOME");
  child.setProcessEnvironment(environment);
  child.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--inh-caps=+sys_ptrace",
                        "--ambient-caps=+sys_ptrace", QCoreApplication::applicationFilePath(),
                        "--gtest_filter=HolderConfirmation.ChildRunsTheCheckAnsweringYes"});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QByteArray out = child.readAllStandardOutput();
  if (out.isEmpty() && child.exitCode() != 0)
    GTEST_SKIP() << "cannot run as another user here: " << child.readAllStandardError().constData();
  EXPECT_TRUE(out.contains("holdercheck exit 2 asked 1"))
      << out.constData() << child.readAllStandardError().constData();
  EXPECT_FALSE(holder.waitEnded(200));
}

TEST(HolderHeadless, WithoutADisplayTheCheckAsksOnlyWhenItMust) {
  // Nothing holds the library: a headless install goes on (Qt used to abort
  // before the check began).
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  process.setProcessEnvironment(environment);
  process.start(HOLDERCHECK, QStringList());
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), HolderCheck::kGoOn) << process.readAllStandardError().constData();

  // A holder, and nobody to ask: no box that would wait for ever, no guess.
  const QString dir = testenv::freshDir("holder-headless");
  const QString module = uniqueName("wintab32", ".dll");
  const QString name = uniqueName("paint", ".exe");
  Holder holder(dir, name, {module});
  ASSERT_TRUE(holder.isReady());
  HolderCheck::Setup setup;
  setup.moduleName = module;
  setup.probeDir = QFileInfo(probe(64)).absolutePath();
  setup.canAsk = false;
  bool asked = false;
  PromptService::setHandler([&asked](const PromptService::Prompt&) {
    asked = true;
    return PromptService::Answer::Yes;
  });
  EXPECT_EQ(HolderCheck(setup).run(), HolderCheck::kCannotAsk);
  PromptService::setHandler({});
  EXPECT_FALSE(asked);
  EXPECT_FALSE(holder.waitEnded(200));
}
