# Plugs a tablet in and out a hundred times with the driver running: its
# descriptors, threads and virtual devices must not grow, and the tablet
# must work after the last plug.
. "$VARNEX_TREE/tests/kernel/scenarios/common.sh"
removals() { grep -c "isDevArrival: false" "$results/driver.log"; }
settled_after() {  # N: the driver has handled N removals and gone quiet
  [ "$(removals)" -ge "$1" ] && quiet_for_a_second "$results/driver.log"
}
counts() {
  echo "descriptors $(ls /proc/$driver/fd | wc -l) threads $(ls /proc/$driver/task | wc -l)" \
    "virtual-devices $(grep -c 'N: Name="Varnex \(Virtual Pen\|tablet keys\)"' /proc/bus/input/devices)"
}
# The work an arrival starts on the side (the system-information task)
# ends a little later; the counts are taken once they hold for two seconds.
steady_counts() {
  a=$(counts); sleep 1; b=$(counts); sleep 1; c=$(counts)
  [ "$a" = "$b" ] && [ "$b" = "$c" ]
}
snapshot() {
  until_true 60 steady_counts || echo "the driver's counts did not settle"
  echo "$1 $(counts)" >> "$results/counts"
}
start_driver
"$bin/uhidtablet" tablets/LarkC.tablet scenarios/plug-once.script > "$results/first.uhid" 2>&1
until_true 60 settled_after 1 || echo "the driver did not handle the first removal"
snapshot first
started=$(date +%s)
"$bin/uhidtablet" tablets/LarkC.tablet scenarios/plug-99.script > "$results/cycles.uhid" 2>&1 ||
  echo "the plug cycles broke off: $(tail -n 1 "$results/cycles.uhid")"
until_true 120 settled_after 100 || echo "the driver handled $(removals) of 100 removals"
echo "99 cycles in $(( $(date +%s) - started ))s" >> "$results/counts"
snapshot last
play_with_libinput LarkC stroke
stop_driver
