import QtQuick 2.15
import TesselQuick 1.0

// Asks before programs leave the list: a program takes every key set for it
// along, and a reset takes all of them; nothing brings them back.
TesselConfirmDialog {
    id: dialog
    objectName: "removeProgramsDialog"
    title: qsTr("移除程序")
    width: 420

    property string question

    // program: the name of the one program to remove, or "" for all of them.
    function askFor(program, onAccepted) {
        question = program === "" ? qsTr("移除所有程序及其按键设置？")
                                  : qsTr("移除“%1”及其按键设置？").arg(program)
        ask(onAccepted, null)
    }
    onAcceptRequested: finish()

    Column {
        width: parent.width
        TesselLabel {
            objectName: "removeProgramsQuestion"
            width: parent.width
            wrapMode: Text.WordWrap
            text: dialog.question
        }
    }
}
