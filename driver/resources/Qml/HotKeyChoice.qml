import TesselQuick 1.0

// One function offered by the hot-key dialog, with its ShortcutkeyEnum value.
TesselCheckBox {
    property int value: -1
    objectName: "hotKeyChoice_" + value
}
