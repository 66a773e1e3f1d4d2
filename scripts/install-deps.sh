#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing
# when they are all present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev gcc-multilib g++-multilib
  qtbase5-dev qtbase5-private-dev qtdeclarative5-dev qtdeclarative5-dev-tools qttools5-dev qttools5-dev-tools qtquickcontrols2-5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2 qml-module-qtquick-layouts
  qml-module-qtquick-dialogs qml-module-qt-labs-platform qml-module-qtgraphicaleffects qml-module-qttest
  libglib2.0-dev gsettings-desktop-schemas libudev-dev libevdev-dev libx11-dev libxtst-dev libxrandr-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libwayland-dev plasma-wayland-protocols
  xvfb xauth x11-utils qemu-user-static chromium fonts-noto-cjk dbus-daemon mutter kwin-wayland sway weston gnome-shell wev qtwayland5
  qemu-system-x86 linux-image-amd64 busybox-static udev libinput-tools cpio qmlscene
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
