# After a hundred plugs the driver holds what it held after the first, and
# the tablet still draws and types.
r=$results
cat "$r/counts" 2>/dev/null
first=$(grep '^first' "$r/counts" | cut -d' ' -f2-)
last=$(grep '^last' "$r/counts" | cut -d' ' -f2-)
# "NAME COUNT" pairs: none of the counts may have grown.
grown=$(printf '%s\n%s\n' "$first" "$last" |
  awk 'NR == 1 { for (i = 1; i < NF; i += 2) was[$i] = $(i + 1) }
       NR == 2 { for (i = 1; i < NF; i += 2) if ($(i + 1) > was[$i]) print $i }')
if [ -n "$first" ] && [ -n "$last" ] && [ -z "$grown" ]; then
  echo "ok: no more descriptors, threads or virtual devices after 100 plugs than after 1"
else
  echo "FAIL: after the first plug: ${first:-nothing}; after the last: ${last:-nothing}"
  failures=$((failures + 1))
fi
in_order "the driver saw 100 arrivals" "$r/driver.log" $(for i in $(seq 100); do echo "isDevArrival: true"; done)
in_order "after the last plug the pen draws" "$r/LarkC.libinput" "TABLET_TOOL_PROXIMITY.*proximity-in" \
  "TABLET_TOOL_TIP.*down" "pressure: 1\.00" "TABLET_TOOL_TIP.*up"
in_order "after the last plug K5 types Ctrl+Z" "$r/LarkC.libinput" "KEY_LEFTCTRL.*pressed" "KEY_Z .*pressed"
