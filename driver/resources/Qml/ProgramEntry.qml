import QtQuick 2.15
import QtQuick.Controls 2.15
import TesselQuick 1.0

// One program of the key page's program list: its icon and its name. The
// common entry has no program and shows the key icon instead.
AbstractButton {
    id: entry
    // The program's path; "" for the common entry.
    property string path: ""
    checkable: true
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    width: 84
    height: 60
    font.family: Theme.fontFamily
    font.pixelSize: Theme.smallFontSize
    Accessible.name: text
    Accessible.role: Accessible.RadioButton
    // The name and the path come from the settings or a desktop entry: shown
    // as plain text, never read as markup.
    TesselToolTip {
        visible: entry.hovered && entry.path !== ""
        text: entry.path
    }

    contentItem: Column {
        spacing: 4
        topPadding: 6
        Item {
            width: parent.width
            height: 28
            // Under the icon, the program's initial: the icon provider hands
            // an empty square for a program without an icon (or one that is
            // gone), and the initial shows through it.
            Rectangle {
                visible: entry.path !== ""
                anchors.centerIn: parent
                width: 22; height: 22
                radius: 5
                color: Theme.accentSoft
                border.color: Theme.border
                Text {
                    anchors.centerIn: parent
                    text: entry.text.charAt(0).toUpperCase()
                    textFormat: Text.PlainText
                    font.family: Theme.fontFamily
                    font.pixelSize: 13
                    font.bold: true
                    color: Theme.accent
                }
            }
            Image {
                id: programIcon
                visible: entry.path !== ""
                anchors.centerIn: parent
                width: 28; height: 28
                sourceSize: Qt.size(32, 32)
                source: entry.path !== "" ? "image://progamIcon/" + entry.path : ""
                asynchronous: true
                smooth: true
            }
            TesselIcon {
                visible: entry.path === ""
                anchors.centerIn: parent
                width: 24; height: 24
                name: "keys"
                color: entry.checked ? Theme.accent : Theme.textMuted
            }
        }
        Text {
            objectName: "programName"
            width: parent.width
            leftPadding: 4
            rightPadding: 4
            text: entry.text
            textFormat: Text.PlainText
            font: entry.font
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
        }
    }
    background: Rectangle {
        radius: Theme.radius
        color: entry.checked ? Theme.accentSoft : entry.down ? Theme.pressed : entry.hovered ? Theme.hover : "transparent"
        border.width: entry.checked || entry.visualFocus ? 1 : 0
        border.color: Theme.accent
        Behavior on color { ColorAnimation { duration: Theme.animationMs } }
    }
}
