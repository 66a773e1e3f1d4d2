# guest: systemd
# Where the pen lands under Plasma: kwin_wayland on the DRM monitors, a pen
# tablet mapped onto the first monitor and a pen display onto the second
# (KWin spreads a tablet over one monitor, never the whole desktop).
. "$VARNEX_TREE/tests/kernel/scenarios/landing-session.sh"
start_session KDE kwin_wayland --drm --socket wayland-7
config=/tmp/user/.local/share/varnex/VarnexDriver/config
mkdir -p "$config"
printf '[Area]\nScreenIndex=1\n' > "$config/Lark C_config.ini"
printf '[Area]\nScreenIndex=2\n' > "$config/Fjord 4Pro_config.ini"
chown -R 1000:1000 /tmp/user/.local
# The window names each tablet's monitor to KWin once it has come up for
# the tablet, which in the emulated guest is seconds after the arrival.
await_mapping() {
  case $1 in LarkC) monitor=Virtual-1 ;; Fjord4Pro) monitor=Virtual-2 ;; esac
  arrival=$(grep -n "CFG_$1  isDevArrival: true" "$driver_log" | tail -n 1 | cut -d: -f1)
  until_true 60 sh -c "tail -n +${arrival:-1} '$driver_log' | grep -q 'is pinned to \"$monitor\"'" ||
    echo "$1: the driver did not pin the pen to $monitor"
}
# Like mutter, KWin tells a client of a pen that rests where it appeared
# nothing; the pen comes to each place as a real one does.
approach_reports=5
measure_landing
