import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import "ModelFacts.js" as ModelFacts

// The four pages; the key page only for models with express keys or a dial.
Rectangle {
    id: pane
    property Window window
    property int currentIndex: 0
    signal pageChosen(int index)

    width: 184
    color: Theme.sunken
    Rectangle { anchors { right: parent.right; top: parent.top; bottom: parent.bottom } width: 1; color: Theme.border }

    ButtonGroup { id: group; exclusive: true }

    Column {
        anchors { fill: parent; margins: 10; topMargin: 14 }
        spacing: 4
        TesselNavButton {
            objectName: "navPen"
            width: parent.width
            text: qsTr("笔设置")
            iconName: "pen"
            ButtonGroup.group: group
            checked: pane.currentIndex === 0
            onClicked: pane.pageChosen(0)
        }
        TesselNavButton {
            objectName: "navArea"
            width: parent.width
            text: qsTr("区域设置")
            iconName: "area"
            ButtonGroup.group: group
            checked: pane.currentIndex === 1
            onClicked: pane.pageChosen(1)
        }
        TesselNavButton {
            objectName: "navKeys"
            width: parent.width
            text: qsTr("按键设置")
            iconName: "keys"
            enabled: pane.window.connected && ModelFacts.hasKeySettings(pane.window.devType)
            ButtonGroup.group: group
            checked: pane.currentIndex === 2
            onClicked: pane.pageChosen(2)
        }
        TesselNavButton {
            objectName: "navAbout"
            width: parent.width
            text: qsTr("关于")
            iconName: "about"
            ButtonGroup.group: group
            checked: pane.currentIndex === 3
            onClicked: pane.pageChosen(3)
        }
    }
}
