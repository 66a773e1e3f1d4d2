# Where the pen lands under sway: two headless monitors of unlike sizes side
# by side, input through libinput, a pen tablet and a pen display.
. "$VARNEX_TREE/tests/kernel/scenarios/landing.sh"

cat > /tmp/sway.conf <<'CONF'
output HEADLESS-1 mode --custom 1920x1080 position 0 0
output HEADLESS-2 mode --custom 2560x1440 position 1920 0
workspace 1 output HEADLESS-1
workspace 2 output HEADLESS-2
for_window [app_id="wev"] fullscreen enable
xwayland enable
CONF
chmod 644 /tmp/sway.conf
as_user env WLR_BACKENDS=headless,libinput WLR_HEADLESS_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 \
  WLR_RENDERER=pixman LIBSEAT_BACKEND=noop sway -c /tmp/sway.conf > "$results/sway.log" 2>&1 &
compositor=$!
sway_socket() { ls "$user_runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1; }
until_true 60 test -S "$(sway_socket)" || { echo "sway did not start"; tail -n 20 "$results/sway.log"; exit 1; }
export SWAYSOCK=$(sway_socket)
swaymsg() { as_user env SWAYSOCK="$SWAYSOCK" /usr/bin/swaymsg "$@"; }
swaymsg -t get_outputs > "$results/sway-outputs.json"
for ws in 1 2; do
  output=HEADLESS-$ws
  swaymsg workspace $ws > /dev/null
  swaymsg exec "stdbuf -oL wev -f wl_pointer > $land/pointer-$output.log 2>&1" > /dev/null
  until_true 60 sh -c "[ \$(SWAYSOCK=$SWAYSOCK /usr/bin/setpriv --reuid=1000 --regid=1000 --clear-groups swaymsg -t get_tree | grep -c '\"app_id\": \"wev\"') -ge $ws ]" ||
    { echo "wev did not open on $output"; exit 1; }
done
swaymsg -t get_tree > "$results/sway-tree.json"

export WAYLAND_DISPLAY=$(basename "$(ls "$user_runtime"/wayland-? | head -n 1)")
export DISPLAY=:0 XDG_RUNTIME_DIR=$user_runtime VARNEX_QPA=xcb
start_driver
for model in LarkC Fjord4Pro; do land $model; done
grep -E 'm_grabRect|allScreenRect|virtual pen' "$results/driver.log" > "$results/driver-screens.log"
stop_driver
swaymsg -t get_inputs > "$results/sway-inputs.json"
cp "$land"/pointer-*.log "$results/"
kill "$compositor"
