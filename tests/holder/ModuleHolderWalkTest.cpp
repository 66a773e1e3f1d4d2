// The walk over a process tree written by the test: executables are files
// with a written ELF header, so the width rule, the naming rules and the map
// parsing are checked without depending on what runs on the machine.

#include "platform/process/ModuleHolderWalk.h"
#include "platform/process/linux/ProcessTable.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <initializer_list>
#include <string>
#include <vector>

using platform::ModuleHolderWalk;
using platform::ProcessTable;

namespace {

QByteArray elfHeader(char elfClass) {
  QByteArray header("\177ELF", 4);
  header += elfClass;
  header += QByteArray("\x01\x01", 2) + QByteArray(57, '\0');
  return header;
}

class FakeProc {
 public:
  FakeProc() : m_root(testenv::freshDir("proc")) {}

  std::string root() const { return m_root.toStdString(); }

  // A process whose executable at exePath (inside the tree) starts with header.
  void add(int pid, const QString& exePath, const QByteArray& header, const QStringList& mapLines,
           const QByteArray& cmdline = QByteArray()) {
    const QString dir = m_root + "/" + QString::number(pid);
    QDir().mkpath(dir);
    const QString exe = m_root + "/files" + exePath;
    QDir().mkpath(exe.left(exe.lastIndexOf('/')));
    write(exe, header);
    QFile::link(exe, dir + "/exe");
    write(dir + "/maps", mapLines.join('\n').toUtf8() + "\n");
    write(dir + "/cmdline", cmdline);
  }

  QString mapLine(const QString& path) const {
    return "7f0000001000-7f0000002000 r-xp 00001000 fe:00 1234                       " + path;
  }

 private:
  static void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }

  QString m_root;
};

// Command-line arguments as the kernel lists them: each followed by a zero.
QByteArray commandLine(std::initializer_list<const char*> arguments) {
  QByteArray bytes;
  for (const char* argument : arguments) bytes.append(argument).append('\0');
  return bytes;
}

const QByteArray k64 = elfHeader(2);
const QByteArray k32 = elfHeader(1);

}  // namespace

TEST(ModuleHolderWalk, SeesOnlyItsWidthSkipsTheFirstProcessAndIgnoresCase) {
  FakeProc proc;
  proc.add(1, "/sbin/init", k64, {proc.mapLine("/usr/lib/wintab32.dll")});
  proc.add(12, "/opt/krita.exe", k64, {proc.mapLine("/wine/lib/WINTAB32.DLL")});
  proc.add(5, "/opt/gimp.exe", k64, {proc.mapLine("/wine/lib/wintab32.dll")});
  proc.add(7, "/opt/old.exe", k32, {proc.mapLine("/wine32/wintab32.dll")});
  proc.add(9, "/opt/other.exe", k64, {proc.mapLine("/usr/lib/libc.so.6")});
  proc.add(11, "/opt/odd.exe", QByteArray("#!/bin/sh\n"), {proc.mapLine("/wine/lib/wintab32.dll")});

  EXPECT_EQ(ModuleHolderWalk(64, proc.root()).holders("wintab32.dll"), (std::vector<std::string>{"gimp.exe", "krita.exe"}));
  EXPECT_EQ(ModuleHolderWalk(64, proc.root()).holders("WinTab32.dll").size(), 2u);
  EXPECT_EQ(ModuleHolderWalk(32, proc.root()).holders("wintab32.dll"), std::vector<std::string>{"old.exe"});
  EXPECT_TRUE(ModuleHolderWalk(64, proc.root()).holders("wintab32").empty());
}

TEST(ModuleHolderWalk, ElfWidthReadsTheClassByte) {
  const QString dir = testenv::freshDir("elf");
  auto widthOf = [&](const QByteArray& bytes) {
    QFile file(dir + "/f");
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    return ProcessTable::elfWidth((dir + "/f").toStdString());
  };
  EXPECT_EQ(widthOf(k32), 32);
  EXPECT_EQ(widthOf(k64), 64);
  EXPECT_EQ(widthOf(elfHeader(3)), 0);
  EXPECT_EQ(widthOf(QByteArray("\177ELF", 4)), 0);
  EXPECT_EQ(widthOf(QByteArray("MZ\x90\0\x03\0\0\0", 8)), 0);
  EXPECT_EQ(ProcessTable::elfWidth((dir + "/missing").toStdString()), 0);
}

TEST(ModuleHolderWalk, NamesWineProgramsAndReplacedExecutablesByTheirOwnNames) {
  FakeProc proc;
  proc.add(1, "/sbin/init", k64, {});
  const QString dll = proc.mapLine("/home/u/.wine/drive_c/windows/system32/wintab32.dll");
  proc.add(20, "/usr/lib/wine/wine64-preloader", k64, {dll},
           commandLine({"C:\\Program Files\\Krita\\bin\\krita.exe", "--nosplash"}));
  proc.add(21, "/usr/lib/wine/wine-preloader", k32, {dll}, commandLine({"C:/Apps/paint.exe"}));
  proc.add(22, "/usr/bin/wine64", k64, {dll});  // no command line left: keep the loader's name
  proc.add(23, "/opt/app/sketch.exe (deleted)", k64, {dll});

  EXPECT_EQ(ModuleHolderWalk(64, proc.root()).holders("wintab32.dll"),
            (std::vector<std::string>{"krita.exe", "wine64", "sketch.exe"}));
  EXPECT_EQ(ModuleHolderWalk(32, proc.root()).holders("wintab32.dll"), std::vector<std::string>{"paint.exe"});
}

TEST(ModuleHolderWalk, ReportsAProcessOncePerDistinctMatchingFile) {
  FakeProc proc;
  proc.add(1, "/sbin/init", k64, {});
  proc.add(30, "/opt/two.exe", k64,
           {proc.mapLine("/a/wintab32.dll"), proc.mapLine("/a/wintab32.dll"), proc.mapLine("/b dir/WINTAB32.dll"),
            proc.mapLine("/b dir/WINTAB32.dll (deleted)"), proc.mapLine("[heap]"), proc.mapLine(""),
            "7f0000001000-7f0000002000 rw-p 00000000 00:00 0 ", proc.mapLine("/c/wintab32.dll.bak")});
  EXPECT_EQ(ModuleHolderWalk(64, proc.root()).holders("wintab32.dll"), (std::vector<std::string>{"two.exe", "two.exe"}));
  EXPECT_EQ(ProcessTable(proc.root()).mappedFiles(30),
            (std::vector<std::string>{"/a/wintab32.dll", "/b dir/WINTAB32.dll", "/c/wintab32.dll.bak"}));
}

TEST(ModuleHolderWalk, AppendsToTheBufferAndLeavesOutWhatDoesNotFit) {
  FakeProc proc;
  proc.add(1, "/sbin/init", k64, {});
  const QString longName = QString(40, 'L') + ".exe";
  proc.add(2, "/opt/" + longName, k64, {proc.mapLine("/w/wintab32.dll")});
  proc.add(3, "/opt/s.exe", k64, {proc.mapLine("/w/wintab32.dll")});
  const ModuleHolderWalk walk(64, proc.root());

  char buffer[ModuleHolderWalk::kBufferSize] = "$pre";
  EXPECT_TRUE(walk.appendHolders("wintab32.dll", buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), "$pre$" + longName.toStdString() + "$s.exe");

  // 20 bytes: "$s.exe" still fits after "$pre" with the zero, the long name does not.
  char small[20] = "$pre";
  walk.appendHolders("wintab32.dll", small, sizeof small);
  EXPECT_EQ(std::string(small), "$pre$s.exe");
  char exact[11] = "$pre";  // "$pre$s.exe" and its zero fill it exactly
  walk.appendHolders("wintab32.dll", exact, sizeof exact);
  EXPECT_EQ(std::string(exact), "$pre$s.exe");
  char tooSmall[10] = "$pre";
  walk.appendHolders("wintab32.dll", tooSmall, sizeof tooSmall);
  EXPECT_EQ(std::string(tooSmall), "$pre");

  char unterminated[4] = {'a', 'b', 'c', 'd'};
  walk.appendHolders("wintab32.dll", unterminated, sizeof unterminated);
  EXPECT_EQ(std::string(unterminated, 4), "abcd");

  char untouched[8] = "";
  EXPECT_FALSE(ModuleHolderWalk(64, proc.root() + "/missing").appendHolders("wintab32.dll", untouched, 8));
  EXPECT_EQ(std::string(untouched), "");
}
