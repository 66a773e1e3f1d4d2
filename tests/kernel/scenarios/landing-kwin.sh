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
measure_landing
