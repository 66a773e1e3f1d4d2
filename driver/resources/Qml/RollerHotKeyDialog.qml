import QtQuick 2.15
import QtQuick.Controls 2.15
import TesselQuick 1.0

// "转环热键" of a roller entry: a shortcut for each way the dial turns, each
// recorded only when its own "快捷键录制" is ticked, and a name. Accepted, it
// hands over the display text "name#left#right", the three parts the dial's
// function splits at "#" (a side not recorded stays empty).
TesselConfirmDialog {
    id: dialog
    objectName: "rollerHotKeyDialog"
    title: qsTr("热键")
    width: 480
    canAccept: (recordLeft.checked && leftRecorder.shortcut !== "") || (recordRight.checked && rightRecorder.shortcut !== "")

    function askFor(keyType, onAccepted, onRejected) {
        // Opens on what the entry does now.
        var parts = configFile.getDisplayText(keyType).split("#")
        var stored = configFile.getShortcutkeyEnum(keyType) === MyQmlEnum.ESwivelCusKey && parts.length === 3
        recordLeft.checked = stored && parts[1] !== ""
        recordRight.checked = stored && parts[2] !== ""
        leftRecorder.shortcut = recordLeft.checked ? parts[1] : ""
        rightRecorder.shortcut = recordRight.checked ? parts[2] : ""
        customName.text = stored ? parts[0] : ""
        ask(onAccepted, onRejected)
    }

    onAcceptRequested: finish(customName.text + "#" + (recordLeft.checked ? leftRecorder.shortcut : "")
                              + "#" + (recordRight.checked ? rightRecorder.shortcut : ""))

    Grid {
        id: rows
        columns: 3
        columnSpacing: 12
        rowSpacing: 12
        verticalItemAlignment: Grid.AlignVCenter
        readonly property real labelWidth: Math.max(leftLabel.implicitWidth, rightLabel.implicitWidth, nameLabel.implicitWidth)
        readonly property real fieldWidth: parent.width - labelWidth - recordLeft.implicitWidth - 2 * columnSpacing

        TesselLabel { id: leftLabel; text: qsTr("转环左旋"); width: rows.labelWidth }
        ShortcutRecorder {
            id: leftRecorder
            objectName: "leftRecorder"
            width: rows.fieldWidth
            enabled: recordLeft.checked
        }
        TesselCheckBox {
            id: recordLeft
            objectName: "recordLeft"
            text: qsTr("快捷键录制")
            onClicked: if (checked) leftRecorder.forceActiveFocus()
        }

        TesselLabel { id: rightLabel; text: qsTr("转环右旋"); width: rows.labelWidth }
        ShortcutRecorder {
            id: rightRecorder
            objectName: "rightRecorder"
            width: rows.fieldWidth
            enabled: recordRight.checked
        }
        TesselCheckBox {
            id: recordRight
            objectName: "recordRight"
            text: qsTr("快捷键录制")
            onClicked: if (checked) rightRecorder.forceActiveFocus()
        }

        TesselLabel { id: nameLabel; text: qsTr("自定义名称"); width: rows.labelWidth }
        CustomNameField {
            id: customName
            objectName: "rollerCustomName"
            width: rows.fieldWidth
        }
    }
}
