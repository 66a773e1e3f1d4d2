import QtQuick 2.15
import TesselQuick 1.0

// The six colour themes; a choice applies at once and is stored.
TesselPopup {
    id: popup
    objectName: "skinPopup"
    width: grid.width + 2 * padding
    height: grid.height + 2 * padding

    function choose(index) {
        Theme.index = index
        configFile.setSkinIndex(index)
        close()
    }

    Grid {
        id: grid
        columns: 3
        spacing: 8
        Repeater {
            model: Theme.names.length
            delegate: Rectangle {
                objectName: "skin_" + Theme.names[index]
                width: 84; height: 62
                radius: Theme.radius
                color: Theme.palettes[index].window
                border.width: Theme.index === index ? 2 : 1
                border.color: Theme.index === index ? Theme.accent : Theme.border
                Accessible.name: Theme.names[index]
                Accessible.role: Accessible.Button
                Rectangle {
                    anchors { left: parent.left; right: parent.right; top: parent.top; margins: 5 }
                    height: 22
                    radius: 3
                    color: Theme.palettes[index].title
                    Rectangle { width: 14; height: 6; radius: 3; color: Theme.palettes[index].accent; anchors { right: parent.right; rightMargin: 5; verticalCenter: parent.verticalCenter } border.color: "#ffffff" }
                }
                Text {
                    anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 7 }
                    text: Theme.names[index]
                    color: Theme.palettes[index].text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.smallFontSize
                }
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: popup.choose(index)
                }
            }
        }
    }
}
