# Where the pen landed under sway: sway maps an absolute tablet onto the
# bounding box of its whole layout, which is what the area page's desktop
# stands for.
. "$(dirname "${BASH_SOURCE[0]}")/landing.sh"
in_order "sway took the virtual pen for a tablet" "$r/sway-inputs.json" '"name": "Varnex Virtual Pen"' '"type": "tablet_tool"'
landed_as_mapped LarkC
landed_as_mapped Fjord4Pro
