#!/bb/busybox sh
# The guest's first process: mounts this machine's /usr and /etc read-only,
# the project tree and a results folder, starts udev and runs the scenario
# named on the kernel command line, then powers the guest off. A scenario
# that needs a login session (a desktop on the guest's monitors) boots
# systemd instead, which runs the scenario as a service beside logind.
bb=/bb/busybox
arg() { for word in $($bb cat /proc/cmdline); do case $word in "$1"=*) echo "${word#*=}" ;; esac; done; }

run_scenario() {
  scenario=$(arg varnex.scenario)
  export VARNEX_TREE="$(arg varnex.tree)" VARNEX_BUILD=$(arg varnex.build) VARNEX_RESULTS=/results
  cd /tmp
  sh "$scenario" > /results/scenario.log 2>&1
  echo $? > /results/status
  sync
  $bb poweroff -f
}

# Under systemd this script is started again to run the scenario.
if [ "$1" = scenario ]; then
  export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime
  run_scenario
fi

$bb mount -t proc proc /proc
$bb mount -t sysfs sysfs /sys
$bb mount -t devtmpfs devtmpfs /dev
$bb mkdir -p /dev/pts /dev/shm
$bb mount -t devpts devpts /dev/pts
$bb mount -t tmpfs tmpfs /dev/shm
$bb mount -t tmpfs tmpfs /run
$bb mount -t tmpfs tmpfs /tmp
for module in $($bb cat /modules/order); do $bb insmod /modules/$module 2>/dev/null; done

share() { $bb mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,$3 "$1" "$2"; }
tree=$(arg varnex.tree)
share usr /usr ro,cache=loose,access=any
share etc /etc ro,cache=loose,access=any
$bb mkdir -p "$tree"
share tree "$tree" ro,cache=loose
share results /results rw
echo booted > /results/booted

export PATH=/usr/sbin:/usr/bin:/sbin:/bin
export HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" /run/udev
chmod 700 "$XDG_RUNTIME_DIR"
hostname varnex-guest

if [ "$(arg varnex.systemd)" = 1 ]; then
  mkdir -p /run/systemd/system /var/lib /var/tmp /var/log /var/cache
  ln -s /run /var/run
  cat > /run/systemd/system/varnex.target <<'UNIT'
[Unit]
Description=The kernel test's scenario
Requires=varnex.service
UNIT
  cat > /run/systemd/system/varnex.service <<'UNIT'
[Unit]
Description=The kernel test's scenario
Wants=dbus.socket systemd-logind.service systemd-udevd.service systemd-udev-trigger.service
After=dbus.socket systemd-logind.service systemd-udevd.service systemd-udev-trigger.service
[Service]
Type=oneshot
ExecStart=/init scenario
StandardOutput=journal+console
UNIT
  exec /lib/systemd/systemd
fi

/lib/systemd/systemd-udevd --daemon > /results/udevd.log 2>&1
udevadm trigger --action=add > /dev/null 2>&1
udevadm settle --timeout=30 > /dev/null 2>&1
run_scenario
