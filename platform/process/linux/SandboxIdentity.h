#pragma once

#include <string>

namespace platform {

// Programs installed as Flatpak or Snap run from inside a sandbox, where the
// executable is /app/bin/krita or the sandbox's own launcher: such a program
// is named by its application instead, "flatpak:org.kde.krita" or
// "snap:krita", a form no path can take. Plain C++, like ProcessTable.
class SandboxIdentity {
 public:
  // The application of a sandboxed process: from the Flatpak metadata at the
  // process's root, else from the control group systemd gave its scope.
  // Empty for a process in no sandbox, or one that may not be looked into.
  static std::string ofProcess(const std::string& procRoot, int pid);

  // The application a control-group file names ("0::/user.slice/…/
  // app-flatpak-org.kde.krita-12345.scope"), in the form above; empty when
  // none.
  static std::string fromControlGroups(const std::string& cgroup);
  // The application of Flatpak's metadata file ("[Application]" "name=").
  static std::string fromFlatpakInfo(const std::string& info);

  static constexpr const char* kFlatpakPrefix = "flatpak:";
  static constexpr const char* kSnapPrefix = "snap:";
};

}  // namespace platform
