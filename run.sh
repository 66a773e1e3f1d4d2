#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the driver. Without a
# connected tablet the driver runs with a simulated LarkA, and says so.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target VarnexDriver

# A Varnex tablet shows up as a hidraw node of one of the maker's USB vendor
# ids (HID_ID is bus:vendor:product in hexadecimal).
tablet_connected() {
  local uevent
  for uevent in /sys/class/hidraw/*/device/uevent; do
    [ -r "$uevent" ] || continue
    if grep -qiE '^HID_ID=[0-9A-F]{4}:0000(3CA1|3CA2|3CA3):' "$uevent"; then return 0; fi
  done
  return 1
}

args=("$@")
if [[ " ${args[*]-} " != *" --simulate "* ]] && ! tablet_connected; then
  echo "run.sh: no Varnex tablet is connected; starting with a simulated LarkA (--simulate LarkA)" >&2
  args=(--simulate LarkA "${args[@]}")
fi
exec ./build/driver/VarnexDriver "${args[@]}"
