// The names of Flatpak and Snap programs: what is one, and how it starts.

#include "platform/session/SandboxedProgram.h"

#include <gtest/gtest.h>

namespace SandboxedProgram = platform::SandboxedProgram;

namespace {

TEST(SandboxedProgramTest, NamesRoundTripAndNeverLookLikePaths) {
  EXPECT_EQ(SandboxedProgram::idOf(SandboxedProgram::flatpak("org.kde.krita")), "org.kde.krita");
  EXPECT_EQ(SandboxedProgram::shortNameOf("flatpak:org.kde.krita"), "krita");
  EXPECT_EQ(SandboxedProgram::shortNameOf("snap:krita"), "krita");
  EXPECT_EQ(SandboxedProgram::launchCommand("flatpak:org.kde.krita"),
            QStringList({"flatpak", "run", "org.kde.krita"}));
  EXPECT_EQ(SandboxedProgram::launchCommand("snap:gimp"), QStringList({"snap", "run", "gimp"}));
  for (const char* notSandboxed : {"/usr/bin/krita", "flatpak:", "flatpak:krita", "flatpak:org/kde.krita",
                                   "flatpak:org.kde.krita;rm", "snap:Krita", "snap:", "/opt/flatpak:org.kde.krita",
                                   "sai2.exe"}) {
    EXPECT_FALSE(SandboxedProgram::isSandboxed(notSandboxed)) << notSandboxed;
    EXPECT_TRUE(SandboxedProgram::launchCommand(notSandboxed).isEmpty()) << notSandboxed;
  }
}

}  // namespace
