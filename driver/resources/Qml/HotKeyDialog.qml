import QtQuick 2.15
import QtQuick.Controls 2.15
import TesselQuick 1.0

// "热键" of an express key or a pen button: a mouse function, one of the
// other functions, or a recorded shortcut with a name of its own. Accepted,
// it hands over the function and the key's display text: "" for a fixed
// function, "name#shortcut" for a recorded one (the two parts the key
// function splits at "#").
TesselConfirmDialog {
    id: dialog
    objectName: "hotKeyDialog"
    title: qsTr("快捷键设置")
    width: 520
    canAccept: choices.checkedButton !== null && (!custom.checked || recorder.shortcut !== "")

    function askFor(keyType, onAccepted, onRejected) {
        // Opens on what the key does now.
        var func = configFile.getShortcutkeyEnum(keyType)
        var parts = configFile.getDisplayText(keyType).split("#")
        var checked = null
        for (var i = 0; i < fixedChoices.length; ++i)
            if (fixedChoices[i].value === func) checked = fixedChoices[i]
        if (checked) checked.checked = true
        else if (func === MyQmlEnum.ECusShortcutkey) custom.checked = true
        else if (choices.checkedButton) choices.checkedButton.checked = false
        var recorded = func === MyQmlEnum.ECusShortcutkey && parts.length === 2
        recorder.shortcut = recorded ? parts[1] : ""
        customName.text = recorded ? parts[0] : ""
        ask(onAccepted, onRejected)
    }

    onAcceptRequested: {
        var chosen = choices.checkedButton
        if (chosen === custom) finish(MyQmlEnum.ECusShortcutkey, customName.text + "#" + recorder.shortcut)
        else finish(chosen.value, "")
    }

    readonly property var fixedChoices: [leftButton, rightButton, doubleClick, middleButton, wheelDown, wheelUp,
                                         showDesktop, switchScreen, showDriver]

    ButtonGroup { id: choices; exclusive: true }

    Column {
        width: parent.width
        spacing: 6

        TesselLabel { text: qsTr("鼠标"); heading: true }
        Grid {
            columns: 2
            columnSpacing: 12
            width: parent.width
            readonly property real cell: (width - columnSpacing) / 2
            HotKeyChoice { id: leftButton; width: parent.cell; text: qsTr("鼠标左键"); value: MyQmlEnum.ELeftMouseButton; ButtonGroup.group: choices }
            HotKeyChoice { id: rightButton; width: parent.cell; text: qsTr("鼠标右键"); value: MyQmlEnum.ERightMouseButton; ButtonGroup.group: choices }
            HotKeyChoice { id: doubleClick; width: parent.cell; text: qsTr("左键双击"); value: MyQmlEnum.EDoubleLeftClick; ButtonGroup.group: choices }
            HotKeyChoice { id: middleButton; width: parent.cell; text: qsTr("鼠标中键"); value: MyQmlEnum.EMiddleMouseButton; ButtonGroup.group: choices }
            HotKeyChoice { id: wheelDown; width: parent.cell; text: qsTr("滚轮向下"); value: MyQmlEnum.EWheelDown; ButtonGroup.group: choices }
            HotKeyChoice { id: wheelUp; width: parent.cell; text: qsTr("滚轮向上"); value: MyQmlEnum.EWheelUp; ButtonGroup.group: choices }
        }

        Item { width: 1; height: 6 }
        TesselLabel { text: qsTr("其他"); heading: true }
        Grid {
            columns: 2
            columnSpacing: 12
            width: parent.width
            readonly property real cell: (width - columnSpacing) / 2
            HotKeyChoice { id: showDesktop; width: parent.cell; text: qsTr("显示桌面 （windows+D）"); value: MyQmlEnum.EShowDesktop; ButtonGroup.group: choices }
            HotKeyChoice { id: switchScreen; width: parent.cell; text: qsTr("切换显示器 （windows+P)"); value: MyQmlEnum.ESwitchScreen; ButtonGroup.group: choices }
            HotKeyChoice { id: showDriver; width: parent.cell; text: qsTr("显示驱动程序"); value: MyQmlEnum.EShowDriver; ButtonGroup.group: choices }
        }

        Item { width: 1; height: 6 }
        TesselLabel { text: qsTr("自定义设置"); heading: true }
        HotKeyChoice {
            id: custom
            objectName: "customShortcut"
            text: qsTr("自定义快捷键")
            value: MyQmlEnum.ECusShortcutkey
            ButtonGroup.group: choices
            onClicked: recorder.forceActiveFocus()
        }
        Row {
            width: parent.width
            spacing: 10
            leftPadding: 26
            ShortcutRecorder {
                id: recorder
                objectName: "shortcutRecorder"
                width: (parent.width - parent.leftPadding - parent.spacing) / 2
                enabled: custom.checked
                placeholderText: qsTr("键入您要设置的快捷键")
            }
            CustomNameField {
                id: customName
                objectName: "customName"
                width: recorder.width
                enabled: custom.checked
                placeholderText: qsTr("设置自定义名称")
            }
        }
    }
}
