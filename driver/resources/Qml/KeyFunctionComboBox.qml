import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import "ProgramName.js" as ProgramName

// The function of one key. It shows what the store holds for the key (its
// row, function and display text) and stores a new choice at once; rows
// that open a dialog store only when the dialog is accepted, and otherwise
// return to the stored choice.
TesselComboBox {
    id: box
    property Window window
    property var functionLists
    property int keyType: MyQmlEnum.NokeyDown
    property var functions: []
    property int programRow: -1
    property int hotKeyRow: -1
    property int rollerHotKeyRow: -1
    property int storedRow: -1

    model: functions
    textRole: "text"
    Accessible.name: displayText

    function reload() {
        var row = configFile.getComboxIndex(keyType)
        var func = configFile.getShortcutkeyEnum(keyType)
        var text = configFile.getDisplayText(keyType)
        storedRow = functionLists.rowFor(functions, row, func, [programRow, hotKeyRow, rollerHotKeyRow])
        currentIndex = storedRow
        displayOverride = overrideFor(storedRow, func, text)
        // What the key-layout help window lists for this key.
        configFile.setKeyDisPlayTextMap(keyType, displayText)
    }

    // A program is named by its file; a recorded shortcut by its custom
    // name, or the shortcut itself; a function of the hot-key dialog that
    // the list lacks by its own name.
    function overrideFor(row, func, text) {
        if (row < 0) return ""
        if (row === programRow) return ProgramName.fileName(text)
        if (row === hotKeyRow || row === rollerHotKeyRow) {
            var parts = text.split("#").filter(function (part) { return part !== "" })
            if (parts.length > 0) return parts[0]
            if (!functionLists.hasValue(functions, func)) return functionLists.nameOf(func)
        }
        return ""
    }

    function store(row, func, text) {
        configFile.setComboxIndex(keyType, row)
        configFile.setShortcutkeyEnum(keyType, func)
        configFile.setDisplayText(keyType, text)
        reload()
    }

    function revert() {
        currentIndex = storedRow
    }

    onActivated: {
        var row = index
        var entry = functions[row]
        if (row === programRow) {
            window.openProgramDialog(function (path) { box.store(row, entry.value, path) }, box.revert)
        } else if (row === hotKeyRow) {
            window.openHotKeyDialog(keyType, function (func, text) { box.store(row, func, text) }, box.revert)
        } else if (row === rollerHotKeyRow) {
            window.openRollerHotKeyDialog(keyType, function (text) { box.store(row, entry.value, text) }, box.revert)
        } else {
            store(row, entry.value, "")
        }
    }
}
