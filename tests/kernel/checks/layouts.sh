# What libinput must have seen of each layout's tablet, and of a tablet
# pulled out while in use. Positions are not checked here (the mapping has
# its own tests); what reaches the desktop through the kernel is.
r=$results
pen_stroke() {  # MODEL: proximity, tip down, a ramp to full pressure, tip up, out
  in_order "$1: pen stroke with a pressure ramp to full" "$r/$1.libinput" \
    "TABLET_TOOL_PROXIMITY.*pen .*proximity-in" "TABLET_TOOL_TIP.*down" "pressure: 1\.00" \
    "TABLET_TOOL_TIP.*up" "TABLET_TOOL_PROXIMITY.*proximity-out"
}
undo_typed() {  # MODEL KEY: an express key whose function is undo
  in_order "$1: $2 types Ctrl+Z" "$r/$1.libinput" "KEY_LEFTCTRL.*pressed" "KEY_Z .*pressed" \
    "KEY_LEFTCTRL.*released" "KEY_Z .*released"
}
direct() {  # MODEL yes|no: a pen display's pen is a direct tablet (libinput offers calibration)
  if [ "$2" = yes ]; then
    in_order "$1: the virtual pen is a direct tablet" "$r/$1.libinput" "Varnex Virtual Pen .*cap:T.* calib"
  else
    absent "$1: the virtual pen is not a direct tablet" "$r/$1.libinput" "Varnex Virtual Pen .*calib"
  fi
}
for model in LarkC Fjord1 Fjord4 Fjord4Pro; do
  in_order "$model: the init report reached the tablet" "$r/$model.uhid" "^output vendor"
  in_order "$model: the vendor interface was opened" "$r/$model.uhid" "^opened vendor"
  absent "$model: the mouse interface was never opened" "$r/$model.uhid" "^opened mouse"
  pen_stroke "$model"
done

direct LarkC no
in_order "LarkC: tilt comes through" "$r/LarkC.libinput" "proximity-in.*|tilt: 32\.17\*?/-32\.17"
in_order "LarkC: pen buttons: upper clicks right, lower types E" "$r/LarkC.libinput" \
  "BTN_RIGHT.*pressed" "BTN_RIGHT.*released" "KEY_E .*pressed" "KEY_E .*released"
undo_typed LarkC K5
in_order "LarkC: the dial scrolls" "$r/LarkC.libinput" "KEY_Z .*released" "POINTER_SCROLL_WHEEL.*vert 15"

for model in Fjord1 Fjord4; do
  direct $model yes
  in_order "$model: the pen tip and the eraser end are announced as B and E" "$r/$model.libinput" \
    "KEY_B .*pressed" "KEY_E .*pressed" "KEY_E .*released"
  in_order "$model: eraser stroke" "$r/$model.libinput" "TABLET_TOOL_PROXIMITY.*eraser .*proximity-in" \
    "TABLET_TOOL_TIP.*pressure: 0\.50 down" "TABLET_TOOL_TIP.*up" "TABLET_TOOL_PROXIMITY.*eraser .*proximity-out"
  in_order "$model: the pen button types E" "$r/$model.libinput" "TABLET_TOOL_TIP.*up" "KEY_E .*pressed" "KEY_E .*released"
done
undo_typed Fjord4 K6
in_order "Fjord4: the dial scrolls" "$r/Fjord4.libinput" "KEY_Z .*released" "POINTER_SCROLL_WHEEL.*vert 15"

direct Fjord4Pro yes
in_order "Fjord4Pro: tilt comes through" "$r/Fjord4Pro.libinput" "proximity-in.*|tilt: 32\.17\*?/-32\.17"
in_order "Fjord4Pro: pen buttons: upper clicks right, lower types B" "$r/Fjord4Pro.libinput" \
  "BTN_RIGHT.*pressed" "BTN_RIGHT.*released" "KEY_B .*pressed" "KEY_B .*released"
undo_typed Fjord4Pro K5

in_order "unplugged in a stroke: the tip lifts and the pen leaves" "$r/unplug-stroke.libinput" \
  "TABLET_TOOL_TIP.*down" "TABLET_TOOL_TIP.*up" "TABLET_TOOL_PROXIMITY.*proximity-out"
in_order "unplugged with K5 held: Ctrl and Z are released" "$r/unplug-key.libinput" \
  "KEY_LEFTCTRL.*pressed" "KEY_Z .*pressed" "KEY_LEFTCTRL.*released" "KEY_Z .*released"
in_order "unplugged with the upper pen button held: the right button is released" "$r/unplug-button.libinput" \
  "BTN_RIGHT.*pressed" "BTN_RIGHT.*released"
