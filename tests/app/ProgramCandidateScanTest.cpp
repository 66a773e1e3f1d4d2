// The candidate programs over a tree of real files: a desktop with links,
// executables and entries, and menus that override and hide entries.

#include "driver/app/DesktopEntry.h"
#include "driver/app/ProcessInfo.h"
#include "driver/app/ProgramCandidateScan.h"
#include "driver/app/ProgramIdentity.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/ProgramIconNames.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

namespace {

class ProgramCandidateScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Programs are found by their real file, so the expected paths are real too.
    root = QFileInfo(testenv::freshDir("candidates")).canonicalFilePath();
    QDir(root).mkpath("bin");
    QDir(root).mkpath("Desktop/Tools/deeper");
    QDir(root).mkpath("applications/kde");
    QDir(root).mkpath("system-applications");
    oldPath = qgetenv("PATH");
    qputenv("PATH", (root + "/bin:" + QString::fromLocal8Bit(oldPath)).toLocal8Bit());
    ProgramIconNames::forgetAll();
  }
  void TearDown() override { qputenv("PATH", oldPath); }

  QString path(const QString& relative) const { return root + "/" + relative; }
  void write(const QString& relative, const QByteArray& text, bool executable = false) {
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
  }
  void program(const QString& relative) { write(relative, "#!/bin/sh\n", true); }
  void entry(const QString& relative, const QByteArray& keys) {
    write(relative, "[Desktop Entry]\nType=Application\nName=Something\n" + keys + "\n");
  }

  QString root;
  QByteArray oldPath;
};

TEST_F(ProgramCandidateScanTest, DesktopLinksExecutablesAndEntries) {
  program("bin/krita");
  program("bin/VarnexDriver");
  program("bin/my painter");
  program("bin/gimp-2.10");
  QFile::link(path("bin/gimp-2.10"), path("bin/gimp"));
  write("bin/notes.txt", "not a program");

  program("Desktop/blender");
  program("Desktop/Tools/deeper/mypaint");
  write("Desktop/readme.txt", "hello");
  QFile::link(path("bin/krita"), path("Desktop/Krita link"));
  QFile::link(path("bin/VarnexDriver"), path("Desktop/Tablet settings"));
  QFile::link(path("bin/gone"), path("Desktop/dangling"));
  // Folder links back up the tree, as file managers make them.
  QFile::link(path("Desktop"), path("Desktop/Tools/back up"));
  QFile::link(path("Desktop/Tools"), path("Desktop/Tools/deeper/tools again"));

  entry("Desktop/painter.desktop", "Exec=\"" + path("bin/my painter").toUtf8() + "\" --new-window %U\nIcon=painter");
  entry("applications/gimp.desktop", "Exec=gimp %U\nIcon=gimp");
  entry("applications/driver.desktop", "Exec=VarnexDriver --hidden\nIcon=varnex");
  entry("applications/missing.desktop", "Exec=not-installed %f");
  entry("applications/hidden-menu.desktop", "Exec=krita\nNoDisplay=true");
  entry("applications/hidden.desktop", "Exec=krita\nHidden=true");
  entry("applications/notes.desktop", "Exec=notes.txt");
  entry("applications/trying.desktop", "Exec=krita\nTryExec=not-installed");
  write("applications/link.desktop", "[Desktop Entry]\nType=Link\nURL=https://example.org\n");
  write("applications/broken.desktop", "Exec=krita\n");
  entry("applications/kde/env.desktop", "Exec=env LANG=C QT_SCALE_FACTOR=2 krita --nosplash\nIcon=krita");

  const QStringList found = ProgramCandidateScan().scan({path("Desktop"), path("applications")});
  const QString krita = path("bin/krita");
  EXPECT_EQ(found, QStringList({krita, path("Desktop/blender"), path("bin/my painter"),
                                path("Desktop/Tools/deeper/mypaint"), path("bin/gimp-2.10"), krita}));
  EXPECT_EQ(ProgramIconNames::iconNameFor(path("bin/my painter")), "painter");
  EXPECT_EQ(ProgramIconNames::iconNameFor(path("bin/gimp-2.10")), "gimp")
      << "named by the file the menu's link reaches";
  EXPECT_EQ(ProgramIconNames::iconNameFor(krita), "krita");
  EXPECT_EQ(ProgramIconNames::iconNameFor(path("Desktop/blender")), "");

  ProcessInfo info({path("Desktop")}, ConfigFile::instance());
  QSignalSpy ready(&info, &ProcessInfo::candidatesChanged);
  ASSERT_TRUE(info.candidatesReady() || ready.wait(20000));
  EXPECT_EQ(info.getAllAppPathList().size(), 4);
  EXPECT_EQ(info.getAllAppPathList().value(1), QVariant(path("Desktop/blender")));
}

TEST_F(ProgramCandidateScanTest, UserEntriesOverrideAndHideTheSystemOnes) {
  program("bin/krita");
  program("bin/inkscape");
  program("bin/gimp");
  entry("applications/krita.desktop", "Exec=krita\nHidden=true");
  entry("applications/inkscape.desktop", "Exec=inkscape\nIcon=my-inkscape");
  entry("system-applications/krita.desktop", "Exec=krita");
  entry("system-applications/inkscape.desktop", "Exec=inkscape\nIcon=inkscape");
  entry("system-applications/gimp.desktop", "Exec=gimp");

  const QStringList found =
      ProgramCandidateScan().scan({path("applications"), path("applications"), path("system-applications")});
  EXPECT_EQ(found, QStringList({path("bin/inkscape"), path("bin/gimp")}));
  EXPECT_EQ(ProgramIconNames::iconNameFor(path("bin/inkscape")), "my-inkscape");
}

TEST_F(ProgramCandidateScanTest, AWineEntryNamesTheWindowsProgram) {
  program("bin/wine");
  QDir(root).mkpath("prefix/drive_c/Program Files/SAI");
  write("prefix/drive_c/Program Files/SAI/Sai2.exe", "MZ");
  entry("applications/sai.desktop", "Exec=env WINEPREFIX=\"" + path("prefix").toUtf8() +
                                        "\" wine C:\\\\\\\\windows\\\\\\\\command\\\\\\\\start.exe /Unix " +
                                        path("prefix").toUtf8() +
                                        "/sai.lnk\nPath=" + path("prefix/drive_c/Program Files/SAI").toUtf8() +
                                        "\nStartupWMClass=sai2.exe\nIcon=1A2B_sai2.0");
  entry("applications/uninstaller.desktop", "Exec=wine uninstaller.exe\nStartupWMClass=uninstaller.exe");

  const QStringList found = ProgramCandidateScan().scan({path("applications")});
  EXPECT_EQ(found, QStringList({path("prefix/drive_c/Program Files/SAI/Sai2.exe")}));
  EXPECT_EQ(ProgramIconNames::iconNameFor(found.value(0)), "1A2B_sai2.0");
}

// Flatpak and Snap exports start the sandbox's launcher; the program is the
// application, under a name that no path can take.
TEST_F(ProgramCandidateScanTest, FlatpakAndSnapEntriesNameTheirApplication) {
  program("bin/flatpak");
  entry("applications/org.kde.krita.desktop",
        "Exec=" + path("bin/flatpak").toUtf8() + " run --branch=stable --command=krita org.kde.krita %F\n"
        "X-Flatpak=org.kde.krita\nIcon=org.kde.krita");
  entry("applications/inkscape_inkscape.desktop",
        "Exec=env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/inkscape_inkscape.desktop "
        "/snap/bin/inkscape %F\nX-SnapInstanceName=inkscape");
  entry("applications/forged.desktop", "Exec=flatpak run x\nX-Flatpak=../../etc/passwd");

  const QStringList found = ProgramCandidateScan().scan({path("applications")});
  EXPECT_EQ(found, QStringList({"snap:inkscape", "flatpak:org.kde.krita"}));
  EXPECT_EQ(ProgramIconNames::iconNameFor("flatpak:org.kde.krita"), "org.kde.krita");
  EXPECT_EQ(ProgramIdentity::baseName("flatpak:org.kde.krita"), "flatpak:org.kde.krita");
  EXPECT_NE(ProgramIdentity::baseName("flatpak:org.kde.krita"), ProgramIdentity::baseName("/usr/bin/org.kde.krita"));
}

TEST_F(ProgramCandidateScanTest, OneScanStopsAtItsFolderAndByteBudgets) {
  // A desktop holding a deep project tree, one program in each folder.
  QString folder = "projects";
  for (int i = 0; i < 12; ++i) {
    folder += QStringLiteral("/level%1").arg(i);
    QDir(root).mkpath(folder);
    program(folder + "/tool");
  }
  ProgramCandidateScan::Limits limits;
  limits.maxDepth = 20;
  limits.maxFolders = 5;
  ProgramCandidateScan folders(limits);
  EXPECT_EQ(folders.scan({path("projects")}).size(), 4) << "the first of five folders holds none";

  // Entries far larger than any real one are not read at all; many that
  // are just allowed stop the reading once the scan's budget is spent.
  program("bin/krita");
  const QByteArray padding = "Comment=" + QByteArray(200 * 1024, 'x') + "\n";
  entry("applications/huge.desktop", "Exec=krita\n" + QByteArray(2 * 1024 * 1024, '#'));
  for (int i = 0; i < 10; ++i) entry(QStringLiteral("applications/big%1.desktop").arg(i), padding + "Exec=krita");
  limits = ProgramCandidateScan::Limits();
  limits.maxBytes = 1024 * 1024;
  ProgramCandidateScan bytes(limits);
  const QStringList found = bytes.scan({path("applications")});
  EXPECT_LE(bytes.bytesRead(), limits.maxBytes + 210 * 1024);
  EXPECT_GE(found.size(), 4);
  EXPECT_LT(found.size(), 10);
}

TEST_F(ProgramCandidateScanTest, WineEntriesSharingAFolderFindTheirProgramsWhateverTheCase) {
  program("bin/wine");
  QDir(root).mkpath("prefix/Program Files/Suite");
  for (const char* name : {"Paint.exe", "SKETCH.EXE", "notes.exe"}) write(QStringLiteral("prefix/Program Files/Suite/") + name, "MZ");
  const QByteArray folder = path("prefix/Program Files/Suite").toUtf8();
  entry("applications/paint.desktop", "Exec=wine paint.exe\nPath=" + folder + "\nStartupWMClass=paint.exe");
  entry("applications/sketch.desktop", "Exec=wine sketch.exe\nPath=" + folder + "\nStartupWMClass=Sketch.exe");
  entry("applications/notes.desktop", "Exec=wine notes.exe\nPath=" + folder + "\nStartupWMClass=notes.exe");
  entry("applications/gone.desktop", "Exec=wine gone.exe\nPath=" + folder + "\nStartupWMClass=gone.exe");
  EXPECT_EQ(ProgramCandidateScan().scan({path("applications")}),
            QStringList({path("prefix/Program Files/Suite/notes.exe"), path("prefix/Program Files/Suite/Paint.exe"),
                         path("prefix/Program Files/Suite/SKETCH.EXE")}));
}

TEST(DesktopEntryTest, ExecLinesSplitAsLaunchersSplitThem) {
  EXPECT_EQ(DesktopEntry::splitExec("krita %U"), QStringList({"krita"}));
  EXPECT_EQ(DesktopEntry::splitExec("  \"/opt/My Paint/bin/mypaint\" -f %f --title=\"a \\\"b\\\"\""),
            QStringList({"/opt/My Paint/bin/mypaint", "-f", "--title=a \"b\""}));
  EXPECT_EQ(DesktopEntry::splitExec("printf 100%% %i %c %k"), QStringList({"printf", "100%"}));
  EXPECT_EQ(DesktopEntry::splitExec("\"unterminated"), QStringList({"unterminated"}));
  EXPECT_EQ(DesktopEntry::splitExec(""), QStringList());

  const auto entry = DesktopEntry::parse(
      "# comment\n[Desktop Entry]\nName=Krita\nExec=\\s\"/opt/a\\\\\\\\b/krita\" %F\nIcon[de]=other\nIcon = krita\n"
      "NoDisplay=True\n[Desktop Action New]\nExec=other-program\nIcon=other\n[Desktop Entry]\nHidden=true\n");
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->exec, QStringList({"/opt/a\\b/krita"}));
  EXPECT_EQ(entry->icon, "krita");
  EXPECT_FALSE(entry->noDisplay) << "only the lowercase word is true";
  EXPECT_FALSE(entry->hidden) << "keys of a repeated group are not read";
  EXPECT_FALSE(DesktopEntry::parse("Exec=krita\n[Other]\nExec=gimp\n").has_value());
}

}  // namespace
