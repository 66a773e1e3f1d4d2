# tabletrecord's capture of a stroke replays to the same pen reports as the
# reports the tablet sent; without a tablet it says so and exits 1.
r=$results
replay="$VARNEX_BINARY_DIR/bin/tabletreplay"
in_order "without a tablet: exit 1 and a message" "$r/none.err" "no supported tablet is connected"
[ "$(cat "$r/none.status" 2>/dev/null)" = 1 ] || { echo "FAIL: exit $(cat "$r/none.status") without a tablet"; failures=$((failures + 1)); }
[ "$(cat "$r/capture.status" 2>/dev/null)" = 0 ] || { echo "FAIL: tabletrecord exit $(cat "$r/capture.status") on SIGTERM"; failures=$((failures + 1)); }
in_order "the capture names the model and has waits" "$r/capture.txt" "^# model LarkC$" "^wait [0-9]+$"
sent=$(grep -v '^#\|^wait\|^$' "$here/reports/LarkC.hex" | wc -l)
got=$(grep -v '^#\|^wait\|^$' "$r/capture.txt" | wc -l)
[ "$sent" = "$got" ] && echo "ok: $got reports captured" || { echo "FAIL: $sent reports sent, $got captured"; failures=$((failures + 1)); }
QT_QPA_PLATFORM=offscreen "$replay" --model LarkC < "$here/reports/LarkC.hex" | grep -E '^(pen|key|mouse|wheel)' > "$r/sent.replay"
QT_QPA_PLATFORM=offscreen "$replay" --model LarkC < "$r/capture.txt" | grep -E '^(pen|key|mouse|wheel)' > "$r/captured.replay"
if [ -s "$r/sent.replay" ] && cmp -s "$r/sent.replay" "$r/captured.replay"; then
  echo "ok: the capture replays to the same $(grep -c '^pen' "$r/sent.replay") pen reports and the same keys"
else
  echo "FAIL: the capture replays differently:"; diff "$r/sent.replay" "$r/captured.replay" | head -20
  failures=$((failures + 1))
fi
