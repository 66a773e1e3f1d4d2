# guest: systemd
# Where the pen lands under GNOME: mutter as the display server, a pen
# tablet and a pen display.
. "$VARNEX_TREE/tests/kernel/scenarios/landing-session.sh"
start_session GNOME mutter --wayland --display-server --no-x11 --wayland-display wayland-7
# The pen tablet keeps the whole desktop; the pen display's area page chose
# the monitor right of the first, which the driver names to GNOME.
config=/tmp/user/.local/share/varnex/VarnexDriver/config
mkdir -p "$config"
printf '[Area]\nScreenIndex=1\n' > "$config/Fjord 4Pro_config.ini"
chown -R 1000:1000 /tmp/user/.local
# mutter tells a client of the pen only once the pen has moved in range:
# a pen that appears at one place and rests there reaches no client.
approach_reports=5
# mutter lays the monitors out top-aligned, so the desktop's lower right
# corner is over no monitor; the last place stays clear of it.
landing_places="0.2 0.2
0.8 0.2
0.5 0.5
0.2 0.7
0.4 0.9"
measure_landing
