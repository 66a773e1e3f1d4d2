# Shared by the guest scenarios: starting the driver, waiting on logs,
# playing a tablet script with libinput watching.
kernel="$VARNEX_TREE/tests/kernel"
bin="$VARNEX_BUILD/bin"
results="$VARNEX_RESULTS"
cd "$kernel" || exit 1

# until SECONDS COMMAND...: runs COMMAND until it succeeds, false after SECONDS.
until_true() {
  limit=$(( $(date +%s) + $1 )); shift
  until "$@"; do
    [ "$(date +%s)" -ge "$limit" ] && return 1
    sleep 0.1
  done
}

quiet_for_a_second() {
  before=$(wc -c < "$1")
  sleep 1
  [ "$(wc -c < "$1")" = "$before" ]
}

libinput_has_current_pen() {
  node=$(grep 'virtual pen at' "$results/driver.log" | tail -n 1 | sed 's|.*/dev/input/\(event[0-9]*\).*|\1|')
  [ -n "$node" ] && grep "^.$node " "$1" | grep "Virtual Pen" | tail -n 1 | grep -q DEVICE_ADDED
}

# start_driver [NAME]: the driver's log goes to NAME.log (driver.log).
start_driver() {
  driver_log=$results/${1:-driver}.log
  # driver_user: a prefix that runs the driver as the desktop's user.
  $driver_user env QT_QPA_PLATFORM=${VARNEX_QPA:-offscreen} "$VARNEX_BUILD/driver/VarnexDriver" --hidden \
    > "$driver_log" 2>&1 &
  driver=$!
  # The driver is up once it listens for a second start.
  until_true 120 grep -qs "hand-over point published" "$driver_log" || echo "the driver did not start"
}

stop_driver() {
  # $driver may be the shell that runs the driver as the desktop's user.
  pkill -TERM -x VarnexDriver
  wait "$driver"
  echo "driver exit $?" >> "$driver_log"
}

# play_with_libinput MODEL SCRIPT [NAME]: libinput's events go to
# NAME.libinput, the emulator's log to NAME.uhid (NAME is MODEL unless given).
play_with_libinput() {
  model=$1 script=$2 name=${3:-$1}
  rm -f /tmp/go
  stdbuf -oL libinput debug-events --show-keycodes > "$results/$name.libinput" 2>&1 &
  libinput=$!
  # libinput has gone through the devices present once it lists the
  # machine's own power button.
  until_true 60 grep -qs "Power Button" "$results/$name.libinput" || echo "libinput did not start"
  sed "s/MODEL/$model/g" "scenarios/$script.script" > "/tmp/$model.script"
  "$bin/uhidtablet" "tablets/$model.tablet" "/tmp/$model.script" > "$results/$name.uhid" 2>&1 &
  emulator=$!
  # The driver makes (or keeps) its virtual pen before it sends the init
  # report; libinput must have opened that pen before the first report.
  until_true 120 grep -qs "^output vendor" "$results/$name.uhid" || echo "$model: no init report"
  until_true 60 libinput_has_current_pen "$results/$name.libinput" || echo "$model: libinput has no virtual pen"
  touch /tmp/go
  wait "$emulator"
  echo "emulator exit $?" >> "$results/$name.uhid"
  # The driver's virtual devices stay for the next tablet; everything has
  # come through once libinput has printed nothing new for a second.
  until_true 30 quiet_for_a_second "$results/$name.libinput" || echo "$model: libinput kept printing"
  kill "$libinput"
  wait "$libinput" 2>/dev/null
}
