# The driver's firmware controller reads the versions and upgrades the
# firmware of a uhid tablet whose firmware interface answers as a boot
# loader, over real hidraw nodes.
. "$VARNEX_TREE/tests/kernel/scenarios/common.sh"
rm -f /tmp/firmware-done
"$bin/uhidtablet" tablets/LarkA-firmware.tablet scenarios/firmware.script > "$results/firmware.uhid" 2>&1 &
emulator=$!
until_true 60 grep -qs "^plugged firmware" "$results/firmware.uhid" || echo "the firmware interface did not appear"
"$bin/firmwareprobe" 15000 > "$results/probe.log" 2>&1
echo "probe exit $?" >> "$results/probe.log"
touch /tmp/firmware-done
wait "$emulator"
