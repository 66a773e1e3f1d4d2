# guest: systemd
# Where the pen lands under GNOME: mutter as the display server, a pen
# tablet and a pen display.
. "$VARNEX_TREE/tests/kernel/scenarios/landing-session.sh"
start_session GNOME mutter --wayland --display-server --no-x11 --wayland-display wayland-7
measure_landing
