import QtQuick 2.15
import TesselQuick 1.0

// A field that records one key combination while it has focus: the key
// with the modifiers held (Shift, Control, Meta, Alt), as the shortcut text
// the key functions type back, such as "[Ctrl]+[Shift]+[S]". Modifiers
// alone record nothing; a click clears the field for a new try.
TesselTextField {
    id: field
    // The recorded shortcut; "" until a key was pressed.
    property string shortcut: ""
    readOnly: true
    text: shortcut
    activeFocusOnPress: true
    cursorVisible: false

    readonly property int heldModifiers: Qt.ShiftModifier | Qt.ControlModifier | Qt.MetaModifier | Qt.AltModifier

    function isModifierKey(key) {
        return key === Qt.Key_Shift || key === Qt.Key_Control || key === Qt.Key_Meta || key === Qt.Key_Alt
               || key === Qt.Key_AltGr || key === Qt.Key_Super_L || key === Qt.Key_Super_R
               || key === Qt.Key_Hyper_L || key === Qt.Key_Hyper_R || key === Qt.Key_CapsLock
               || key === Qt.Key_NumLock
    }

    // The keypad's plus has a name of its own; the text of a sequence
    // cannot hold it, as "+" joins the parts.
    function textOf(key, modifiers) {
        var held = modifiers & heldModifiers
        if (key === Qt.Key_Plus && (modifiers & Qt.KeypadModifier)) {
            var before = held ? withWinKey(VarnextTablet.keyToString(held)) : ""
            return before === "" ? "[Plus]" : before + "+[Plus]"
        }
        // The keypad flag would name a keypad key "Num", which no key
        // function knows; the key itself is what counts.
        return withWinKey(VarnextTablet.keyToString(key | held))
    }
    // Qt calls the Windows (Super) key Meta; the key functions know it as
    // "[Win]" and would drop "[Meta]", typing the rest without it.
    function withWinKey(text) {
        return text.split("+").map(function (part) { return part === "[Meta]" ? "[Win]" : part }).join("+")
    }

    // A key whose name holds "#" (Shift+3 on many layouts gives "[#]") would
    // split the stored text at the wrong place and the key would do nothing;
    // it is refused, and the field says so.
    property bool refused: false

    Keys.onPressed: {
        event.accepted = true
        if (event.isAutoRepeat || isModifierKey(event.key)) return
        var recorded = textOf(event.key, event.modifiers)
        refused = recorded.indexOf("#") >= 0
        if (recorded !== "" && !refused) shortcut = recorded
    }
    onPressed: {
        shortcut = ""
        refused = false
    }
    onEnabledChanged: if (!enabled) shortcut = ""
    onActiveFocusChanged: if (!activeFocus) refused = false

    TesselToolTip {
        delay: 0
        visible: field.refused
        text: qsTr("此按键无法用作快捷键")
    }
}
