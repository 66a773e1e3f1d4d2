import QtQuick 2.15
import QtQuick.Controls 2.15

// A dialog of the window: a title row, the content, and a row of buttons
// along the bottom. It sits in the middle of the window and dims the rest,
// which cannot be used while it is open. `closable` offers the close button
// in the title row (Escape and a click beside the dialog follow closePolicy).
Popup {
    id: dialog
    property string title
    property bool closable: true
    default property alias content: body.data
    property alias buttons: buttonRow.data
    // The buttons row is left out when it shows nothing.
    readonly property bool hasButtons: buttonRow.implicitWidth > 0

    implicitWidth: Math.max(320, body.implicitWidth + 40, buttonRow.width + 32)
    implicitHeight: titleRow.height + body.implicitHeight + 40 + buttonBand.height
    modal: true
    focus: true
    anchors.centerIn: Overlay.overlay
    padding: 0
    closePolicy: closable ? Popup.CloseOnEscape | Popup.CloseOnPressOutside : Popup.NoAutoClose

    // The window's frame has round corners; so has its shade.
    Overlay.modal: Rectangle {
        radius: 8
        color: Qt.rgba(0, 0, 0, Theme.dark ? 0.5 : 0.32)
    }

    background: Item {
        // A soft shadow of a few widening outlines, drawn without shaders.
        Repeater {
            model: 4
            Rectangle {
                anchors.fill: parent
                anchors.margins: -(index + 1) * 2
                anchors.topMargin: -(index + 1) * 2 + 3
                radius: Theme.radius + 4 + (index + 1) * 2
                color: "transparent"
                border.width: 2
                border.color: Qt.rgba(0, 0, 0, 0.07 - index * 0.015)
            }
        }
        Rectangle {
            anchors.fill: parent
            radius: Theme.radius + 4
            color: Theme.surface
            border.color: Theme.border
        }
    }

    contentItem: Column {
        id: column
        Item {
            id: titleRow
            width: column.width
            height: 48
            TesselLabel {
                anchors { left: parent.left; leftMargin: 20; verticalCenter: parent.verticalCenter }
                width: parent.width - 80
                elide: Text.ElideRight
                text: dialog.title
                heading: true
            }
            TesselIconButton {
                objectName: "dialogClose"
                visible: dialog.closable
                anchors { right: parent.right; rightMargin: 10; verticalCenter: parent.verticalCenter }
                text: "Close"
                showToolTip: false
                iconName: "close"
                iconColor: Theme.textMuted
                onClicked: dialog.close()
            }
            Rectangle { anchors { left: parent.left; right: parent.right; bottom: parent.bottom } height: 1; color: Theme.border }
        }
        Item {
            width: column.width
            height: body.implicitHeight + 40
            Item {
                id: body
                x: 20
                y: 20
                width: parent.width - 40
                height: implicitHeight
                implicitWidth: childrenRect.width
                implicitHeight: childrenRect.height
            }
        }
        Rectangle {
            id: buttonBand
            // Folded, not hidden: a hidden band would hide its buttons, and
            // a row of hidden buttons would keep the band hidden for good.
            width: column.width
            height: dialog.hasButtons ? 56 : 0
            clip: true
            color: Theme.sunken
            radius: Theme.radius + 4
            // Square off the upper corners of the rounded band.
            Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: parent.radius; color: parent.color }
            Rectangle { anchors { left: parent.left; right: parent.right; top: parent.top } height: 1; color: Theme.border }
            Row {
                id: buttonRow
                anchors { right: parent.right; rightMargin: 16; verticalCenter: parent.verticalCenter }
                spacing: Theme.spacing
            }
        }
    }

    enter: Transition {
        ParallelAnimation {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Theme.animationMs }
            NumberAnimation { property: "scale"; from: 0.97; to: 1; duration: Theme.animationMs; easing.type: Easing.OutCubic }
        }
    }
    exit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 100 } }
}
