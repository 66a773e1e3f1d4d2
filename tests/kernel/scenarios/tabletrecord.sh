# Records a uhid tablet's stroke with tabletrecord (no driver running), for
# the host to replay; and what tabletrecord says without a tablet.
. "$VARNEX_TREE/tests/kernel/scenarios/common.sh"
"$bin/tabletrecord" --seconds 5 > "$results/none.out" 2> "$results/none.err"
echo $? > "$results/none.status"
rm -f /tmp/go /tmp/stopped
"$bin/uhidtablet" tablets/LarkC.tablet scenarios/record.script > "$results/record.uhid" 2>&1 &
emulator=$!
# Started once the tablet is there, as its user would.
until_true 60 grep -qs "^plugged mouse" "$results/record.uhid" || echo "the tablet did not appear"
"$bin/tabletrecord" > "$results/capture.txt" 2> "$results/capture.err" &
recorder=$!
until_true 60 grep -qs "^output vendor" "$results/record.uhid" || echo "tabletrecord sent no init report"
touch /tmp/go
# Every report is in the capture once the emulator has sent them all and
# the capture has its last one (all keys up after the dial).
until_true 60 grep -qs "^sent" "$results/record.uhid" || echo "the emulator did not send the stroke"
until_true 30 sh -c "tail -n 1 '$results/capture.txt' | grep -q '^02 f0$'" || echo "the capture lacks the last report"
kill -TERM "$recorder"
wait "$recorder"
echo $? > "$results/capture.status"
touch /tmp/stopped
wait "$emulator"
