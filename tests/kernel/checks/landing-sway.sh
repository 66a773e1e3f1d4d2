# Where the pen landed under sway, against where the area page says. sway
# maps an absolute tablet onto the bounding box of its whole layout, which
# is what the driver's desktop-wide coordinates stand for: HEADLESS-1
# (1920x1080 at 0,0) and HEADLESS-2 (2560x1440 at 1920,0) make a box of
# 4480x1440. Both tablets keep their default areas: the whole tablet onto
# the whole desktop (the headless monitors have no pen display's name).
r=$results

# landed_as_mapped MODEL: every place the pen hovered over is within two
# pixels of the point of the desktop the area page maps it to.
landed_as_mapped() {
  local model=$1 wrong
  if [ "$(wc -l < "$r/$model.landing" 2>/dev/null)" != 5 ]; then
    echo "FAIL: $model: not every place was measured"; failures=$((failures + 1)); return
  fi
  wrong=$(awk '
    { origin = ($3 == "HEADLESS-1") ? 0 : ($3 == "HEADLESS-2") ? 1920 : -1e9
      x = origin + $4; y = $5; want_x = $1 * 4480; want_y = $2 * 1440
      if (NF != 5 || (x - want_x)^2 > 4 || (y - want_y)^2 > 4)
        printf "tablet %s %s landed at %s %s, not %d %d; ", $1, $2, x, y, want_x, want_y }' "$r/$model.landing")
  if [ -n "$wrong" ]; then
    echo "FAIL: $model: $wrong"; failures=$((failures + 1))
  else
    echo "ok: $model: the pen landed where the area page maps it"
  fi
}

in_order "sway took the virtual pen for a tablet" "$r/sway-inputs.json" '"name": "Varnex Virtual Pen"' '"type": "tablet_tool"'
landed_as_mapped LarkC
landed_as_mapped Fjord4Pro
