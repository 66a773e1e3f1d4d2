// The probe programs against real processes that hold a library. Every test
// uses module and program names of its own, so concurrent runs never see
// each other's helpers.

#include "HolderTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace holdertest;

namespace {

int countOf(const QByteArray& output, const QString& name) { return output.count(("$" + name).toUtf8()); }

}  // namespace

TEST(HolderProbe, FindsEveryHolderIgnoringCaseAndForgetsThemWhenTheyEnd) {
  const QString dir = testenv::freshDir("holders");
  const QString module = uniqueName("wintab32", ".dll");
  const QString exe = uniqueName("paint", ".exe");
  Holder first(dir, exe, {module});
  Holder second(dir, exe, {module});
  ASSERT_TRUE(first.isReady() && second.isReady());

  for (const QString& asked : {module, module.toUpper()}) {
    const ProbeRun run = runProbe(64, {asked, "ignored", "arguments"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(countOf(run.output, exe), 2) << run.output.constData();
    EXPECT_TRUE(run.output.startsWith("$$")) << run.output.constData();
    EXPECT_TRUE(run.output.endsWith("$" + exe.toUtf8() + "$")) << "the closing \"$\" and no line break";
  }

  ASSERT_TRUE(first.quit());
  EXPECT_EQ(countOf(runProbe(64, {module}).output, exe), 1);
  ASSERT_TRUE(second.quit());
  const ProbeRun afterExit = runProbe(64, {module});
  EXPECT_EQ(afterExit.output, "$$");
  EXPECT_EQ(afterExit.exitCode, 0);
}

TEST(HolderProbe, WithoutAnArgumentPrintsNothingAndFails) {
  for (const int width : {64, 32}) {
    if (probe(width).isEmpty()) continue;
    const ProbeRun run = runProbe(width, {});
    ASSERT_TRUE(run.finished) << width;
    EXPECT_EQ(run.exitCode, 255) << width;
    EXPECT_TRUE(run.output.isEmpty()) << width;
  }
}

TEST(HolderProbe, EachWidthSeesOnlyProcessesOfItsOwnWidth) {
  if (probe(32).isEmpty() || (qemuI386().isEmpty() && !kernelRuns32BitPrograms())) {
    GTEST_SKIP() << "no holderprobe32 in this build, or nothing here runs it";
  }
  const QString dir = testenv::freshDir("widths");
  const QString module = uniqueName("wintab32", ".dll");
  const QString exe64 = uniqueName("wide", ".exe");
  Holder wide(dir, exe64, {module}, 64);
  ASSERT_TRUE(wide.isReady());

  const ProbeRun narrowRun = runProbe(32, {module});
  ASSERT_TRUE(narrowRun.finished);
  EXPECT_EQ(narrowRun.exitCode, 0);
  EXPECT_EQ(narrowRun.output, "$$");
  EXPECT_EQ(countOf(runProbe(64, {module}).output, exe64), 1);

  if (!kernelRuns32BitPrograms()) return;  // an emulated 32-bit holder looks like its 64-bit emulator
  const QString exe32 = uniqueName("narrow", ".exe");
  Holder narrow(dir + "/32", exe32, {module}, 32);
  ASSERT_TRUE(narrow.isReady());
  EXPECT_EQ(runProbe(32, {module.toUpper()}).output, "$$" + exe32.toUtf8() + "$");
  const QByteArray wideOutput = runProbe(64, {module}).output;
  EXPECT_EQ(countOf(wideOutput, exe32), 0);
  EXPECT_EQ(countOf(wideOutput, exe64), 1);
}
