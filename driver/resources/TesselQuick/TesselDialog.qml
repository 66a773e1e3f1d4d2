import QtQuick 2.15
import QtQuick.Controls 2.15

// A modal dialog over the window with a title, its content and the buttons
// "取消" and "确定". It answers whoever asked through exactly one of the
// two callbacks given to ask(): `finish(result...)` hands the result to
// the first, every other way of closing (the cancel button, Escape) calls
// the second. A click outside does not close it.
Popup {
    id: dialog
    property string title
    // Whether "确定" may be pressed now.
    property bool canAccept: true
    default property alias content: body.data
    property alias body: body
    // "确定" was pressed; the dialog calls finish() with its result.
    signal acceptRequested()

    property var onAcceptedCallback: null
    property var onRejectedCallback: null

    function ask(onAccepted, onRejected) {
        onAcceptedCallback = onAccepted
        onRejectedCallback = onRejected
        open()
    }
    function finish() {
        var accepted = onAcceptedCallback
        onAcceptedCallback = null
        onRejectedCallback = null
        close()
        if (accepted) accepted.apply(null, arguments)
    }
    function cancel() { close() }

    onClosed: {
        var rejected = onRejectedCallback
        onAcceptedCallback = null
        onRejectedCallback = null
        if (rejected) rejected()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0
    width: 480
    height: dialogFooter.y + dialogFooter.height

    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.28) }
    background: Rectangle {
        color: Theme.surface
        radius: Theme.radius + 3
        border.color: Theme.border
    }
    enter: Transition {
        ParallelAnimation {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Theme.animationMs }
            NumberAnimation { property: "scale"; from: 0.97; to: 1; duration: Theme.animationMs; easing.type: Easing.OutCubic }
        }
    }
    exit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 100 } }

    contentItem: Item {
        Item {
            id: heading
            width: parent.width
            height: 48
            TesselLabel {
                anchors { left: parent.left; leftMargin: Theme.margin + 4; verticalCenter: parent.verticalCenter }
                text: dialog.title
                font.pixelSize: Theme.titleFontSize
                font.bold: true
            }
            TesselIconButton {
                objectName: "dialogClose"
                anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                iconName: "close"
                iconColor: Theme.textMuted
                showToolTip: false
                onClicked: dialog.cancel()
            }
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: Theme.border }
        }
        Item {
            id: body
            x: Theme.margin + 4
            y: heading.height + Theme.margin
            width: parent.width - 2 * x
            height: childrenRect.height + Theme.margin
        }
        Rectangle {
            id: dialogFooter
            y: body.y + body.height
            width: parent.width
            height: 60
            color: "transparent"
            Rectangle { width: parent.width; height: 1; color: Theme.border }
            Row {
                anchors { right: parent.right; rightMargin: Theme.margin + 4; verticalCenter: parent.verticalCenter }
                spacing: 10
                TesselButton {
                    objectName: "dialogCancel"
                    text: qsTr("取消")
                    onClicked: dialog.cancel()
                }
                TesselButton {
                    objectName: "dialogAccept"
                    text: qsTr("确定")
                    primary: true
                    enabled: dialog.canAccept
                    onClicked: dialog.acceptRequested()
                }
            }
        }
    }
}
