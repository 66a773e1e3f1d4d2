# Where the pen lands under sway: two headless monitors of unlike sizes side
# by side, input through libinput, a pen tablet and a pen display.
. "$VARNEX_TREE/tests/kernel/scenarios/landing.sh"

cat > /tmp/sway.conf <<'CONF'
output HEADLESS-1 mode --custom 1920x1080 position 0 0
output HEADLESS-2 mode --custom 2560x1440 position 1920 0
workspace 1 output HEADLESS-1
workspace 2 output HEADLESS-2
for_window [app_id="wev"] fullscreen enable
xwayland disable
CONF
chmod 644 /tmp/sway.conf
# libseat's no-op seat never turns active for this wlroots, so sway starts
# as a set-user-id root program would: libseat's embedded seatd keeps root
# to open the input devices, and sway itself drops to the user.
/usr/bin/setpriv --ruid=1000 --rgid=1000 --clear-groups \
  env HOME=/tmp/user XDG_RUNTIME_DIR="$user_runtime" WLR_BACKENDS=headless,libinput WLR_HEADLESS_OUTPUTS=2 \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman LIBSEAT_BACKEND=builtin SEATD_VTBOUND=0 \
  sway -c /tmp/sway.conf > "$results/sway.log" 2>&1 &
compositor=$!
sway_socket() { ls "$user_runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1; }
sway_listens() { test -S "$(sway_socket)"; }
until_true 120 sway_listens || {
  echo "sway did not start"; ls -la "$user_runtime" /tmp; ps -ef; grep -v DEBUG "$results/sway.log" | tail -n 20; exit 1; }
export SWAYSOCK=$(sway_socket)
swaymsg() { as_user env SWAYSOCK="$SWAYSOCK" /usr/bin/swaymsg "$@"; }
# sway listens a moment before it answers.
until_true 30 swaymsg -t get_outputs > "$results/sway-outputs.json" 2>> "$results/swaymsg.log"
printf 'HEADLESS-1 0 0 1920 1080\nHEADLESS-2 1920 0 2560 1440\n' > "$results/monitors.txt"
for ws in 1 2; do
  output=HEADLESS-$ws
  # sway sometimes drops the answer to a command it carried out; the poll
  # below sees whether the client opened, and asks again when dropped.
  swaymsg workspace $ws > /dev/null 2>> "$results/swaymsg.log"
  swaymsg exec "stdbuf -oL wev -f wl_pointer > $land/pointer-$output.log 2>&1" > /dev/null 2>> "$results/swaymsg.log"
  until_true 60 sh -c "[ \$(SWAYSOCK=$SWAYSOCK /usr/bin/setpriv --reuid=1000 --regid=1000 --clear-groups swaymsg -t get_tree 2>/dev/null | grep -c '\"app_id\": \"wev\"') -ge $ws ]" ||
    { echo "wev did not open on $output"; exit 1; }
done
swaymsg -t get_tree > "$results/sway-tree.json"

export WAYLAND_DISPLAY=$(basename "$(ls "$user_runtime"/wayland-? | head -n 1)")
export XDG_RUNTIME_DIR=$user_runtime VARNEX_QPA=wayland
start_driver
for model in LarkC Fjord4Pro; do land $model; done
swaymsg -t get_inputs > "$results/sway-inputs.json"
stop_driver
cp "$land"/pointer-*.log "$results/"
kill "$compositor"
