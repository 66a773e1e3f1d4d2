# Shared by the landing scenarios: a compositor runs as an ordinary user
# with two monitors of unlike sizes, one full-screen pointer client per
# monitor reports where the pointer is, and the pen of a tablet played by
# uhidtablet hovers at known places of its surface. Each place is written
# to MODEL.landing as "fx fy OUTPUT x y" (tablet fractions, then the
# monitor and the point on it where the pointer landed).
. "$VARNEX_TREE/tests/kernel/scenarios/common.sh"

user_runtime=${user_runtime:-/tmp/user-runtime}
land=/tmp/land
mkdir -p "$user_runtime" "$land" /tmp/user
chown 1000:1000 "$user_runtime" "$land" /tmp/user
chmod 700 "$user_runtime"
as_user() {
  /usr/bin/setpriv --reuid=1000 --regid=1000 --clear-groups \
    env HOME=/tmp/user XDG_RUNTIME_DIR="$user_runtime" "$@"
}

# The places the pen visits, as fractions of the tablet's width and height.
landing_places="0.2 0.2
0.8 0.2
0.5 0.5
0.2 0.7
0.8 0.9"

# hover_report MODEL FX FY: the model's vendor report of the pen hovering there.
hover_report() {
  case $1 in
    LarkC) max_x=28800 max_y=16200 ;;
    Fjord4Pro) max_x=68839 max_y=38720 ;;
  esac
  x=$(awk -v f="$2" -v m="$max_x" 'BEGIN { printf "%d", f * m + 0.5 }')
  y=$(awk -v f="$3" -v m="$max_y" 'BEGIN { printf "%d", f * m + 0.5 }')
  xb=$(printf '%02x %02x' $((x & 255)) $((x >> 8 & 255)))
  yb=$(printf '%02x %02x' $((y & 255)) $((y >> 8 & 255)))
  case $1 in
    LarkC) echo "02 a0 $xb $yb 00 00 00 00" ;;
    Fjord4Pro) echo "02 41 a0 $xb $(printf '%02x' $((x >> 16))) $yb 00 00 00 00 00" ;;
  esac
}

out_of_range_report() {
  case $1 in
    LarkC) echo "02 c0 00 00 00 00 00 00 00 00" ;;
    Fjord4Pro) echo "02 41 c0 00 00 00 00 00 00 00 00 00 00" ;;
  esac
}

# mark_pointer_logs: remembers how far each pointer client's log has come.
mark_pointer_logs() {
  for log in "$land"/pointer-*.log; do wc -c < "$log" > "$log.mark"; done
}

# The last point a pointer client was told since the mark, as "OUTPUT x y".
# Moving onto another monitor leaves one surface and enters the other, so
# only the client the pointer is over prints a position.
last_pointer() {
  for log in "$land"/pointer-*.log; do
    line=$(tail -c +$(($(cat "$log.mark") + 1)) "$log" | grep 'x, y: ' | tail -n 1)
    [ -n "$line" ] || continue
    output=${log##*/pointer-}
    echo "${output%.log} $(echo "$line" | sed 's/.*x, y: \([-0-9.]*\), \([-0-9.]*\).*/\1 \2/')"
  done | tail -n 1
}

pointer_moved() {
  for log in "$land"/pointer-*.log; do
    [ "$(wc -c < "$log")" -gt "$(cat "$log.mark")" ] && return 0
  done
  return 1
}

# A compositor in the emulated guest, starved by the driver's window coming
# up, can pause for more than a second between two events of one hover.
pointer_logs_quiet() {
  before=$(cat "$land"/pointer-*.log | wc -c)
  sleep 3
  [ "$(cat "$land"/pointer-*.log | wc -c)" = "$before" ]
}

# land MODEL: plays the model's pen over the landing places; the result goes
# to $results/MODEL.landing.
land() {
  model=$1
  script=/tmp/$model-landing.script
  {
    echo "plug"
    echo "await-init 120000"
    echo "await-file /tmp/go-$model"
    # The driver drops the first report after its start.
    echo "report $(out_of_range_report "$model")"
    echo "sleep 200"
    n=0
    echo "$landing_places" | while read -r fx fy; do
      n=$((n + 1))
      echo "await-file /tmp/play-$model-$n 60000"
      # A scenario may have the pen come to the place from its left in a few
      # reports, as a real pen does, instead of appearing there.
      k=${approach_reports:-0}
      while [ "$k" -gt 0 ]; do
        echo "report $(hover_report "$model" "$(awk -v f="$fx" -v k="$k" 'BEGIN { print f - k * 0.0002 }')" "$fy")"
        echo "sleep 10"
        k=$((k - 1))
      done
      echo "report $(hover_report "$model" "$fx" "$fy")"
      echo "sleep 100"
      echo "report $(hover_report "$model" "$fx" "$fy")"
      echo "mark place $n"
      echo "await-file /tmp/landed-$model-$n 60000"
    done
    echo "report $(out_of_range_report "$model")"
    echo "sleep 200"
    echo "unplug"
  } > "$script"
  "$bin/uhidtablet" "tablets/$model.tablet" "$script" > "$results/$model.uhid" 2>&1 &
  emulator=$!
  # A scenario may start the driver for each tablet once the tablet is in:
  # started so, the driver waits in the tray, while a tablet plugged in
  # later brings its window up over the pointer clients.
  [ -z "${driver_per_tablet:-}" ] || start_driver "driver-$model"
  until_true 120 grep -qs "^output vendor" "$results/$model.uhid" || echo "$model: no init report"
  # The virtual pen is made (or remade for this kind of tablet) before the
  # init report; give the compositor time to open it.
  sleep 3
  # A scenario may wait until the driver has told the desktop this tablet's mapping.
  ${await_mapping:-true} "$model"
  touch "/tmp/go-$model"
  : > "$results/$model.landing"
  n=0
  echo "$landing_places" | while read -r fx fy; do
    n=$((n + 1))
    mark_pointer_logs
    touch "/tmp/play-$model-$n"
    until_true 60 grep -qs "mark place $n\$" "$results/$model.uhid" || echo "$model: place $n was not played"
    # A compositor in the emulated guest can be seconds behind.
    until_true 60 pointer_moved || echo "$model: place $n: no pointer client was told of the pen"
    until_true 30 pointer_logs_quiet || echo "$model: the pointer clients kept printing"
    echo "$fx $fy $(last_pointer)" >> "$results/$model.landing"
    touch "/tmp/landed-$model-$n"
  done
  wait "$emulator"
  echo "emulator exit $?" >> "$results/$model.uhid"
  [ -z "${driver_per_tablet:-}" ] || stop_driver
}
