import QtQuick 2.15
import QtQuick.Controls 2.15

// A dialog that asks for something and answers whoever asked through
// exactly one of the two callbacks given to ask(): "确定" raises
// acceptRequested, on which the dialog calls finish(result...) for the
// first; every other way of closing ("取消", the close button, Escape)
// calls the second. A click beside it does not close it, so a half-made
// choice is not lost by a stray click.
TesselDialog {
    id: dialog
    // Whether "确定" may be pressed now.
    property bool canAccept: true
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

    closePolicy: Popup.CloseOnEscape

    buttons: [
        TesselButton {
            objectName: "dialogCancel"
            text: qsTr("取消")
            onClicked: dialog.cancel()
        },
        TesselButton {
            objectName: "dialogAccept"
            text: qsTr("确定")
            primary: true
            enabled: dialog.canAccept
            onClicked: dialog.acceptRequested()
        }
    ]
}
