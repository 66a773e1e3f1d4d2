import QtQuick 2.15
import QtQuick.Controls 2.15

// A row of a TesselPopup menu or list; `checked` marks the current choice.
ItemDelegate {
    id: control
    property bool current: false
    hoverEnabled: true
    implicitHeight: 30
    width: parent ? parent.width : implicitWidth
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    Accessible.name: text
    contentItem: Row {
        spacing: 8
        TesselIcon {
            name: "check"
            width: 14; height: 14
            color: Theme.accent
            opacity: control.current ? 1 : 0
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: control.text
            font: control.font
            color: Theme.text
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Rectangle {
        radius: 3
        color: control.down ? Theme.pressed : control.hovered || control.visualFocus ? Theme.hover : "transparent"
    }
}
