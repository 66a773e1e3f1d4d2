#!/usr/bin/env bash
# Builds the guest's initramfs from what this machine has installed: the
# static busybox, the kernel modules the device path needs (with their
# dependencies, as modules.dep lists them) and our init script.
# usage: make-initramfs.sh KERNEL_VERSION INIT_SCRIPT OUTPUT
set -euo pipefail
version=$1 init=$2 output=$3
modules=/lib/modules/$version
busybox=$(command -v busybox || true)
[ -x /bin/busybox ] && busybox=/bin/busybox
if [ -z "$busybox" ] || ! file -L "$busybox" | grep -q 'statically linked'; then
  echo "no static busybox (package busybox-static)" >&2; exit 3
fi
[ -f "$modules/modules.dep" ] || { echo "no modules for kernel $version" >&2; exit 3; }

root=$(mktemp -d)
# mktemp makes the folder 0700; it becomes the guest's /, which every user walks.
chmod 755 "$root"
trap 'rm -rf "$root"' EXIT
mkdir -p "$root"/{bb,dev,proc,sys,run,tmp,usr,etc,modules,results}
cp "$busybox" "$root/bb/busybox"
# Debian's merged /usr: these point into the /usr that the guest mounts.
for link in bin sbin lib lib64; do ln -s "usr/$link" "$root/$link"; done
cp "$init" "$root/init"
chmod +x "$root/init"

# Modules in load order: every dependency before what needs it.
wanted=(virtio_pci virtio_ring 9pnet_virtio 9p uhid hid-generic uinput evdev bochs)
declare -A seen=()
order=()
add() {
  local name=$1 path deps dep
  path=$(modinfo -k "$version" -F filename "$name" 2>/dev/null) || return 0
  case $path in /*) ;; *) return 0 ;; esac  # built into the kernel
  [ -n "${seen[$path]:-}" ] && return 0
  seen[$path]=1
  deps=$(modinfo -k "$version" -F depends "$name" | tr ',' ' ')
  for dep in $deps; do add "$dep"; done
  order+=("$path")
}
for m in "${wanted[@]}"; do add "$m"; done
: > "$root/modules/order"
for path in "${order[@]}"; do
  base=$(basename "$path")
  case $base in
    *.ko.xz) xz -dc "$path" > "$root/modules/${base%.xz}"; base=${base%.xz} ;;
    *.ko.zst) zstd -qdc "$path" > "$root/modules/${base%.zst}"; base=${base%.zst} ;;
    *) cp "$path" "$root/modules/$base" ;;
  esac
  echo "$base" >> "$root/modules/order"
done
(cd "$root" && find . | cpio -o -H newc --quiet) | gzip -1 > "$output"
