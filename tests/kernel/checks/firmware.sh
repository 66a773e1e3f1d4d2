# The versions were read and the upgrade ran both phases over hidraw.
r=$results
cat "$r/probe.log"
in_order "the firmware and hardware versions were read" "$r/probe.log" "^arrival: application, firmware 1\.0+, hardware 1\.0+"
in_order "the tablet went into its boot loader and came back flashed" "$r/firmware.uhid" \
  "restarting firmware \(boot loader on\)" "^plugged firmware" "restarting firmware \(boot loader off\)" "flashed 3075 bytes"
in_order "the upgrade finished without a failure" "$r/probe.log" "^second arrival: boot loader, failures 0" \
  "^third arrival: application" "^probe exit 0"
