# guest: systemd
# Where the pen lands under Plasma: kwin_wayland on the DRM monitors, a pen
# tablet and a pen display.
. "$VARNEX_TREE/tests/kernel/scenarios/landing-session.sh"
start_session KDE kwin_wayland --drm --socket wayland-7
measure_landing
