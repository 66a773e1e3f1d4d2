#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// Starts programs that live on after the driver: the program a tablet key
// opens. The process has one current starter; tests and --simulate install
// one that only records.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;

  // Starts `path` without arguments, detached from this process. False when
  // it could not be started (missing file, not executable). A Flatpak or Snap
  // program ("flatpak:org.kde.krita") is started through its package manager.
  virtual bool startDetached(const QString& path) = 0;

  static ProgramStarter& current();
  static void install(std::unique_ptr<ProgramStarter> starter);
};

// Starts programs for real.
class SystemProgramStarter : public ProgramStarter {
 public:
  bool startDetached(const QString& path) override;
};

}  // namespace platform
