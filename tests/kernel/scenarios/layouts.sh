# One tablet of each report layout through the driver, one after the other,
# with libinput watching the driver's virtual devices for each; then a
# tablet pulled out while in use.
. "$VARNEX_TREE/tests/kernel/scenarios/common.sh"
start_driver
for model in LarkC Fjord1 Fjord4 Fjord4Pro; do
  play_with_libinput "$model" stroke
done
for case in unplug-stroke unplug-key unplug-button; do
  play_with_libinput LarkC $case $case
done
stop_driver
