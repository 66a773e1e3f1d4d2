#!/usr/bin/env bash
# Builds the Debian package the way a user does and checks what it holds:
# control fields and dependencies, the file list, lintian, the desktop and
# AppStream validators, the maintainer scripts, and the unpacked programs
# running from a scratch root.
#
#   check-package.sh BUILD_DIR SOURCE_DIR VERSION PROGRAM...
set -euo pipefail

build=$1 source=$2 version=$3
shift 3
programs=("$@")

app_id=example.varnex.VarnexDriver
arch=$(dpkg --print-architecture)
deb="$build/varnex-driver_${version}_${arch}.deb"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/varnex-package.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
step() { echo "== $* (${SECONDS}s)"; }

step "building the package"
rm -f "$deb"
cmake --build "$build" --target package >"$scratch/cpack.log" 2>&1 || {
  cat "$scratch/cpack.log" >&2
  echo "FAIL: cmake --build --target package" >&2
  exit 1
}
[ -f "$deb" ] || { echo "FAIL: $deb was not made" >&2; ls "$build"/*.deb >&2 || true; exit 1; }

step "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varnex-driver ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
echo "Depends: $depends"
has_depend() { tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g' | grep -qx "$1"; }
# From dpkg-shlibdeps: the libraries the programs link.
for lib in libc6 libqt5core5a libevdev2; do
  has_depend "$lib" || fail "Depends lacks $lib (dpkg-shlibdeps did not run?)"
done
has_depend fonts-noto-cjk || fail "Depends lacks the window's fonts (fonts-noto-cjk)"

# Every Qt QML module the window imports must come with the package: a
# package in Depends provides it. Our own modules (TesselQuick, types our code
# registers) are in the program.
qml_dir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt5/qml
qmldir_of() {  # the qmldir the QML engine picks for "import MODULE MAJOR.MINOR"
  local module=$1 version=$2 major=${2%%.*}
  local -a parts
  IFS=. read -r -a parts <<<"$module"
  local v i candidate
  for v in "$version" "$major"; do
    for ((i = ${#parts[@]} - 1; i >= 0; i--)); do
      candidate=$(IFS=/; echo "${parts[*]:0:i+1}").$v
      [ $((i + 1)) -lt ${#parts[@]} ] && candidate+=/$(IFS=/; echo "${parts[*]:i+1}")
      [ -f "$qml_dir/$candidate/qmldir" ] && { echo "$qml_dir/$candidate/qmldir"; return; }
    done
  done
  candidate=$(IFS=/; echo "${parts[*]}")
  [ -f "$qml_dir/$candidate/qmldir" ] && echo "$qml_dir/$candidate/qmldir"
  return 0
}
if [ -d "$source/driver/resources" ]; then
  while read -r module module_version; do
    qmldir=$(qmldir_of "$module" "$module_version")
    if [ -n "$qmldir" ]; then
      provider=$(dpkg -S "$qmldir" | head -n1 | cut -d: -f1)
      has_depend "$provider" || fail "the window imports $module $module_version from $provider: add it to the run-time list of cmake/VarnexPackage.cmake"
    elif [[ $module == Qt* ]]; then
      fail "the window imports $module $module_version, which no installed package provides"
    fi
  done < <(find "$source/driver/resources" -name '*.qml' -exec grep -hE '^[[:space:]]*import[[:space:]]+[A-Za-z]' {} + |
    awk '{print $2, $3}' | sort -u)
fi

step "file list"
dpkg-deb -c "$deb" >"$scratch/contents"
awk '{print $6}' "$scratch/contents" | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$' >"$scratch/paths"
expect_file() { grep -qx "$1" "$scratch/paths" || fail "the package lacks $1"; }
for program in "${programs[@]}"; do
  expect_file "/usr/bin/$program"
  expect_file "/usr/share/man/man1/$program.1.gz"
done
expect_file /usr/lib/udev/rules.d/70-varnex.rules
expect_file /usr/lib/modules-load.d/varnex-driver.conf
expect_file "/usr/share/applications/$app_id.desktop"
expect_file "/etc/xdg/autostart/$app_id.desktop"
expect_file "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
expect_file "/usr/share/metainfo/$app_id.metainfo.xml"
expect_file /usr/share/doc/varnex-driver/copyright
expect_file /usr/share/doc/varnex-driver/changelog.gz
expect_file /usr/share/varnex/help/en/faq.html
expect_file /usr/share/gnome-shell/extensions/foreground@varnex.example/extension.js
expect_file /usr/share/gnome-shell/extensions/foreground@varnex.example/metadata.json
# Only the system's places: nothing under /usr/local, /home or /opt, no
# build-tree paths, and everything owned by root.
{ grep -vE '^/(usr(/(bin|lib|share)(/.*)?)?|etc(/xdg(/autostart(/[^/]+)?)?)?)$' "$scratch/paths" || true; } |
  sed 's/^/unexpected path: /' >"$scratch/stray"
[ -s "$scratch/stray" ] && fail "$(cat "$scratch/stray")"
awk '$2 != "root/root" {print $2, $6}' "$scratch/contents" >"$scratch/owners"
[ -s "$scratch/owners" ] && fail "not owned by root: $(cat "$scratch/owners")"
grep -q "modules-load.d" "$scratch/paths" && dpkg-deb --fsys-tarfile "$deb" |
  tar -xO ./usr/lib/modules-load.d/varnex-driver.conf | grep -qx uinput || fail "uinput is not loaded at boot"

step "lintian"
lintian --fail-on error --tag-display-limit 0 --allow-root "$deb" || fail "lintian reports errors"

step "desktop entries and metainfo"
dpkg -x "$deb" "$scratch/root"
root=$scratch/root
menu=$root/usr/share/applications/$app_id.desktop
autostart=$root/etc/xdg/autostart/$app_id.desktop
desktop-file-validate "$menu" || fail "desktop-file-validate: menu entry"
desktop-file-validate "$autostart" || fail "desktop-file-validate: autostart entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
key() { sed -n "s/^$2=//p" "$1" | head -n1; }
[ "$(key "$autostart" Exec)" = "VarnexDriver --hidden" ] || fail "the login entry must run 'VarnexDriver --hidden'"
[ "$(key "$autostart" TryExec)" = VarnexDriver ] || fail "the login entry must be skipped once the program is gone"
[ "$(key "$menu" Exec)" = VarnexDriver ] || fail "the menu entry must show the window (no --hidden)"
[[ ";$(key "$menu" Categories)" == *";Settings;HardwareSettings;"* ]] || fail "menu categories: $(key "$menu" Categories)"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$(key "$menu" Icon).svg" ] || fail "the menu entry's icon is not installed"
# A name in every language of the window (English is the untranslated one).
languages=$(sed -n 's/^set(VARNEX_LANGUAGES \(.*\))$/\1/p' "$source/cmake/VarnexTranslations.cmake")
[ -n "$languages" ] || fail "no VARNEX_LANGUAGES in cmake/VarnexTranslations.cmake"
for language in $languages; do
  case $language in en) continue ;; jp) locale=ja ;; zh) locale=zh_CN ;; *) locale=$language ;; esac
  for entry in "$menu" "$autostart"; do
    grep -q "^Name\[$locale\]=." "$entry" || fail "$(basename "$(dirname "$entry")") entry has no Name[$locale]"
  done
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo's release is not $version"
zcat "$root/usr/share/doc/varnex-driver/changelog.gz" | head -n1 | grep -qF "varnex-driver ($version)" ||
  fail "the changelog's first entry is not $version"

step "maintainer scripts"
dpkg-deb -e "$deb" "$scratch/control"
# Fake udevadm and modprobe record their calls; a fake sysfs holds one of our
# tablets and a foreign HID device; a fake home holds a user's settings.
mkdir -p "$scratch/bin" "$scratch/sys/class/hidraw"/hidraw{0,1}/device "$scratch/home/.local/share/varnex/VarnexDriver/config"
echo "HID_ID=0003:00003CA2:00000031" >"$scratch/sys/class/hidraw/hidraw0/device/uevent"
echo "HID_ID=0003:0000046D:0000C52B" >"$scratch/sys/class/hidraw/hidraw1/device/uevent"
echo "[Pen]" >"$scratch/home/.local/share/varnex/VarnexDriver/config/Lark A_config.ini"
for tool in udevadm modprobe; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\n[ -z "$VARNEX_NO_UDEV" ] || [ "$1" != control ]\n' \
    "$tool" "$scratch/calls" >"$scratch/bin/$tool"
  chmod +x "$scratch/bin/$tool"
done
home_before=$(cd "$scratch/home" && find . -printf '%p %s %T@\n' | sort)
run_script() {  # SCRIPT ARGUMENTS...: runs it as dpkg would, through /bin/sh
  local script=$1
  shift
  : >"$scratch/calls"
  env PATH="$scratch/bin:$PATH" SYSFS_PATH="$scratch/sys" HOME="$scratch/home" \
    sh "$scratch/control/$script" "$@" || fail "$script $* exited with $?"
}
run_script postinst configure
cat >"$scratch/expected" <<EOF
udevadm control --reload-rules
modprobe uinput
udevadm trigger --action=change --subsystem-match=misc --sysname-match=uinput
udevadm trigger --action=change $scratch/sys/class/hidraw/hidraw0
EOF
diff -u "$scratch/expected" "$scratch/calls" || fail "postinst configure: unexpected calls"
VARNEX_NO_UDEV=1 run_script postinst configure
[ "$(cat "$scratch/calls")" = "udevadm control --reload-rules" ] ||
  fail "postinst without a udev daemon must stop after asking: $(cat "$scratch/calls")"
for action in remove purge; do
  run_script postrm "$action"
  [ "$(cat "$scratch/calls")" = "udevadm control --reload-rules" ] || fail "postrm $action: $(cat "$scratch/calls")"
done
run_script postrm upgrade
[ -s "$scratch/calls" ] && fail "postrm upgrade must do nothing: $(cat "$scratch/calls")"
[ "$(cd "$scratch/home" && find . -printf '%p %s %T@\n' | sort)" = "$home_before" ] ||
  fail "the maintainer scripts changed a user's files"

step "the unpacked programs"
mkdir -p "$scratch/user"
run_env=(env -u XAUTHORITY HOME="$scratch/user" XDG_CONFIG_HOME="$scratch/user/.config"
  XDG_DATA_HOME="$scratch/user/.local/share" XDG_CACHE_HOME="$scratch/user/.cache"
  XDG_RUNTIME_DIR="$scratch/user/runtime" LC_ALL=C.UTF-8)
mkdir -p -m 700 "$scratch/user/runtime"
code=0
"${run_env[@]}" "$root/usr/bin/firmwarecheck" "wrong-name.bin" --model LarkA --caps 7 --chip 1 --pen 0 \
  --hardware 1.05 >"$scratch/firmwarecheck.out" 2>&1 || code=$?
[ "$code" = 3 ] || fail "firmwarecheck with a wrong name exited with $code, not 3: $(cat "$scratch/firmwarecheck.out")"

# The driver under its own X server, found by display number (-displayfd), so
# parallel tests with servers of their own never collide.
exec 9>"$scratch/display"
Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 9>&-
for _ in $(seq 150); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
display=$(tr -d '[:space:]' <"$scratch/display")
if [ -z "$display" ]; then
  fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
else
  code=0
  timeout 60 "${run_env[@]}" DISPLAY=":$display" QT_QPA_PLATFORM=xcb \
    "$root/usr/bin/VarnexDriver" --simulate LarkA --quit-after 3000 >"$scratch/driver.log" 2>&1 || code=$?
  [ "$code" = 0 ] || fail "the unpacked VarnexDriver exited with $code: $(tail -n 20 "$scratch/driver.log")"
  ls "$scratch/user/.local/share/varnex/VarnexDriver/Log/"*_log.html >/dev/null 2>&1 ||
    fail "the unpacked VarnexDriver wrote no log"
  # What the login entry runs must start too, not be refused as a wrong option.
  read -r -a login_command <<<"$(key "$autostart" Exec)"
  code=0
  timeout 60 "${run_env[@]}" DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$root/usr/bin/${login_command[0]}" \
    "${login_command[@]:1}" --simulate LarkA --quit-after 2000 >"$scratch/login.log" 2>&1 || code=$?
  [ "$code" = 0 ] || fail "the login entry's '${login_command[*]}' exited with $code: $(tail -n 20 "$scratch/login.log")"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "== the package is sound: $deb"
