#!/usr/bin/env bash
# Boots Debian's kernel in qemu (software emulation: nested KVM does not
# boot here) with this machine's /usr and /etc, the project tree and a
# results folder shared over 9p, and runs one scenario script as root.
# usage: run-guest.sh BUILD_DIR SCENARIO RESULTS_DIR [TIMEOUT_SECONDS]
# Exit: the scenario's own status; 77 when this machine cannot run a guest.
set -uo pipefail
build=$(realpath "$1") scenario=$(realpath "$2") results=$3 limit=${4:-300}
here=$(dirname "$(realpath "$0")")
tree=$(realpath "$here/../..")
skip() { echo "SKIP: $*"; exit 77; }

qemu=$(command -v qemu-system-x86_64) || skip "qemu-system-x86_64 is not installed (package qemu-system-x86)"
kernel=$(ls -v /boot/vmlinuz-* 2>/dev/null | tail -n 1)
[ -n "$kernel" ] || skip "no kernel image in /boot (package linux-image-amd64)"
version=${kernel#/boot/vmlinuz-}
[ -r "$kernel" ] || skip "$kernel is not readable"

initramfs=$build/kernel/initramfs-$version.gz
mkdir -p "$build/kernel"
if [ ! -s "$initramfs" ] || [ "$here/guest-init.sh" -nt "$initramfs" ] || [ "$here/make-initramfs.sh" -nt "$initramfs" ]; then
  "$here/make-initramfs.sh" "$version" "$here/guest-init.sh" "$initramfs.tmp" || skip "cannot build the initramfs"
  mv "$initramfs.tmp" "$initramfs"
fi

rm -rf "$results"
mkdir -p "$results"
# A scenario that says "# guest: systemd" runs under systemd with logind,
# on two monitors of unlike sizes: a VGA card and a second display.
machine="-nographic" boot=""
if grep -q '^# guest: systemd' "$scenario"; then
  machine="-display none -vga none -device VGA,edid=on,xres=1024,yres=768 -device bochs-display,edid=on,xres=1280,yres=1024"
  boot="varnex.systemd=1 systemd.unit=varnex.target systemd.show_status=0"
fi
share() { echo "-virtfs local,path=$1,mount_tag=$2,security_model=none${3:+,$3}"; }
# shellcheck disable=SC2046
timeout --kill-after=10 "$limit" "$qemu" -accel tcg -cpu max -smp 2 -m 2048 $machine -no-reboot -nic none \
  -kernel "$kernel" -initrd "$initramfs" \
  -append "console=ttyS0 quiet loglevel=4 panic=-1 varnex.tree=$tree varnex.build=$build varnex.scenario=$scenario $boot" \
  $(share /usr usr readonly=on) $(share /etc etc readonly=on) $(share "$tree" tree readonly=on) \
  $(share "$(realpath "$results")" results) \
  -serial "file:$results/console.log" -monitor none -display none < /dev/null > "$results/qemu.log" 2>&1
qemu_status=$?
if [ ! -f "$results/booted" ]; then
  tail -n 20 "$results/qemu.log" "$results/console.log" 2>/dev/null
  skip "the guest did not boot (qemu exit $qemu_status)"
fi
if [ ! -f "$results/status" ]; then
  echo "the scenario did not finish within ${limit}s (qemu exit $qemu_status)"
  tail -n 40 "$results/scenario.log" 2>/dev/null
  exit 1
fi
exit "$(cat "$results/status")"
