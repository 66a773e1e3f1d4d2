# Shared by the landing checks: where the pen landed, against where the
# area page says. Both tablets keep their default areas, the whole tablet
# onto the whole desktop (no guest monitor has a pen display's name), and
# the driver's coordinates stand for the bounding box of every monitor.
# monitors.txt has one "NAME X Y W H" per monitor, as the pointer clients
# saw them.
r=$results

# landed_as_mapped MODEL [MONITOR]: every place the pen hovered over is
# within two pixels of the point the area page maps it to: on the whole
# desktop, or on MONITOR where the model's area page chose that monitor.
landed_as_mapped() {
  local model=$1 monitor=${2:-} wrong
  if [ "$(wc -l < "$r/$model.landing" 2>/dev/null)" != 5 ]; then
    echo "FAIL: $model: not every place was measured"; failures=$((failures + 1)); return
  fi
  wrong=$(awk -v monitor="$monitor" '
    FNR == NR && monitor != "" && $1 != monitor { x[$1] = $2; y[$1] = $3; next }
    FNR == NR { x[$1] = $2; y[$1] = $3
                if (n++ == 0 || $2 < left) left = $2; if ($2 + $4 > right) right = $2 + $4
                if (n == 1 || $3 < top) top = $3; if ($3 + $5 > bottom) bottom = $3 + $5; next }
    { want_x = left + $1 * (right - left); want_y = top + $2 * (bottom - top)
      if (NF != 5 || !($3 in x)) { printf "tablet %s %s did not land on a monitor; ", $1, $2; next }
      px = x[$3] + $4; py = y[$3] + $5
      if ((px - want_x)^2 > 4 || (py - want_y)^2 > 4)
        printf "tablet %s %s landed at %s %s, not %d %d; ", $1, $2, px, py, want_x, want_y }' \
    "$r/monitors.txt" "$r/$model.landing")
  if [ -n "$wrong" ]; then
    echo "FAIL: $model: $wrong"; failures=$((failures + 1))
  else
    echo "ok: $model: the pen landed where the area page maps it"
  fi
}
