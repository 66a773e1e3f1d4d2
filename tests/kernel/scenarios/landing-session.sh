# Shared by the landing scenarios that need a desktop of its own: the
# compositor runs as the display server of a real logind session on the
# guest's two monitors (a VGA card at 1024x768 and a second display at
# 1280x1024), opening the input devices through logind and libinput, and
# the driver runs as the session's user, as it does for an artist.
user_runtime=/run/user/1000
. "$VARNEX_TREE/tests/kernel/scenarios/landing.sh"

# start_session DESKTOP COMMAND...: logs in on the second virtual terminal,
# brings it to the front and runs COMMAND there with a session bus; it
# must serve Wayland at wayland-7.
start_session() {
  desktop=$1; shift
  {
    echo '#!/bin/sh'
    echo 'dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork --nopidfile &'
    echo 'export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"'
    echo 'until [ -S "$XDG_RUNTIME_DIR/bus" ]; do sleep 0.1; done'
    echo '# A compositor takes over the session only once it is the active one.'
    echo 'until [ "$(loginctl show-session "$XDG_SESSION_ID" -p Active --value)" = yes ]; do sleep 0.2; done'
    echo "$*"
    echo 'echo "compositor exit $?"'
  } > /tmp/desktop.sh
  chmod 755 /tmp/desktop.sh
  systemd-run --unit=varnex-desktop --uid=1000 -p PAMName=login -p TTYPath=/dev/tty2 -p StandardInput=tty-force \
    -p StandardOutput=file:$land/compositor.log -p StandardError=file:$land/compositor.log \
    -p Environment=XDG_SESSION_TYPE=wayland -p Environment=XDG_SESSION_DESKTOP=$desktop \
    -p Environment=XDG_CURRENT_DESKTOP=$desktop -p Environment=HOME=/tmp/user /tmp/desktop.sh > /dev/null 2>&1
  until_true 30 sh -c 'loginctl list-sessions --no-legend | grep -q tty2' || echo "logind made no session"
  chvt 2
  until_true 90 test -S "$user_runtime/wayland-7" || {
    echo "the compositor did not start"; cat "$land/compositor.log"; journalctl -b --no-pager | tail -n 40; exit 1; }
  loginctl show-session "$(loginctl list-sessions --no-legend | awk '/tty2/ { print $1 }')" -p Active -p Type -p Seat \
    > "$results/session.txt"

  # The package's rule gives the active session uinput; the guest's gives it
  # the uhid tablets, which no USB vendor number names.
  mkdir -p /run/udev/rules.d
  cp "$VARNEX_TREE/udev/70-varnex.rules" /run/udev/rules.d/
  echo 'SUBSYSTEM=="hidraw", TAG+="uaccess"' > /run/udev/rules.d/70-varnex-guest.rules
  udevadm control --reload
  udevadm trigger --action=change
  udevadm settle --timeout=30
  driver_user=as_user
  export WAYLAND_DISPLAY=wayland-7 XDG_RUNTIME_DIR=$user_runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$user_runtime/bus
  export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=$desktop VARNEX_QPA=wayland
}

# measure_landing: the monitors as displayinfo and the pointer clients see
# them, then both tablets played over the landing places.
measure_landing() {
  as_user "$bin/displayinfo" --model Fjord4Pro > "$results/displayinfo.txt" 2> "$results/displayinfo.err"
  as_user env QT_QPA_PLATFORM=wayland "$bin/pointerprobe" "$land" > "$results/pointerprobe.log" 2>&1 &
  until_true 60 test -f "$land/ready" || { echo "the pointer clients did not open"; tail -n 30 "$land/compositor.log"; exit 1; }
  cp "$land/ready" "$results/monitors.txt"
  driver_per_tablet=yes
  for model in LarkC Fjord4Pro; do land $model; done
  cp "$land"/pointer-*.log "$land/compositor.log" "$results/"
}
