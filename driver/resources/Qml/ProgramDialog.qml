import QtQuick 2.15
import QtQuick.Controls 2.15
import Qt.labs.platform 1.1 as Platform
import TesselQuick 1.0
import "ProgramName.js" as ProgramName

// "应用程序设置": a program from the ones found on the desktop and in the
// application menus, or any file chosen with "浏览". Accepted, it hands over
// the program's path (for the program list, or a key set to "程序").
TesselConfirmDialog {
    id: dialog
    objectName: "programDialog"
    title: qsTr("应用程序设置")
    width: 560
    canAccept: chosenPath !== ""

    property string chosenPath: ""
    property var candidates: []

    function askFor(onAccepted, onRejected) {
        candidates = ProcessInfo.getAllAppPathList()
        chosenPath = ""
        ask(onAccepted, onRejected)
    }
    // The programs are gathered while the driver starts; a dialog opened
    // before that fills in when they are there.
    Connections {
        target: ProcessInfo
        ignoreUnknownSignals: true
        function onCandidatesChanged() {
            if (dialog.visible) dialog.candidates = ProcessInfo.getAllAppPathList()
        }
    }
    // Chooses a program as a click on its entry or the file dialog does.
    function choose(path) { chosenPath = path }

    onAcceptRequested: finish(chosenPath)

    Column {
        width: parent.width
        spacing: 8

        Item {
            width: parent.width
            height: browse.height
            TesselLabel { text: qsTr("选择应用"); heading: true; anchors.verticalCenter: parent.verticalCenter }
            TesselButton {
                id: browse
                objectName: "browseProgram"
                anchors.right: parent.right
                text: qsTr("浏览")
                onClicked: fileDialog.open()
            }
        }
        Rectangle {
            width: parent.width
            height: 236
            radius: Theme.radius
            color: Theme.sunken
            border.color: Theme.border
            GridView {
                id: candidateGrid
                objectName: "programCandidates"
                anchors.fill: parent
                anchors.margins: 6
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                cellWidth: width / Math.max(1, Math.floor(width / 96))
                cellHeight: 70
                model: dialog.candidates
                ScrollBar.vertical: ScrollBar { policy: candidateGrid.contentHeight > candidateGrid.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
                delegate: Item {
                    width: candidateGrid.cellWidth
                    height: candidateGrid.cellHeight
                    ProgramEntry {
                        objectName: "programCandidate_" + index
                        anchors.centerIn: parent
                        width: parent.width - 6
                        height: parent.height - 6
                        path: modelData
                        text: ProgramName.baseName(modelData)
                        checked: dialog.chosenPath === modelData
                        onClicked: dialog.choose(modelData)
                    }
                }
            }
            TesselLabel {
                anchors.centerIn: parent
                visible: dialog.candidates.length === 0
                text: "—"
                muted: true
            }
        }

        Item { width: 1; height: 4 }
        TesselLabel { text: qsTr("应用信息"); heading: true }
        Rectangle {
            width: parent.width
            height: Theme.controlHeight
            radius: Theme.radius
            color: Theme.sunken
            border.color: Theme.border
            TesselLabel {
                objectName: "chosenProgram"
                anchors { fill: parent; leftMargin: 10; rightMargin: 10 }
                text: dialog.chosenPath
                elide: Text.ElideMiddle
            }
        }
    }

    // Programs on Linux have no mark of their own (no extension), so any
    // file may be chosen; a Windows program run under Wine is a file too.
    Platform.FileDialog {
        id: fileDialog
        objectName: "programFileDialog"
        title: qsTr("选择程序")
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: [qsTr("应用程序 (*)")]
        onAccepted: dialog.choose(decodeURIComponent(file.toString().replace(/^file:\/\//, "")))
    }
}
