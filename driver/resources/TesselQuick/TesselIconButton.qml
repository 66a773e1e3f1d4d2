import QtQuick 2.15
import QtQuick.Controls 2.15

// A flat square button showing one icon, for title bars and tool rows; its
// text is the accessible name and the tool tip.
AbstractButton {
    id: control
    property string iconName
    property color iconColor: Theme.text
    property color hoverColor: Theme.hover
    property bool showToolTip: true

    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    implicitWidth: 34
    implicitHeight: 30
    Accessible.name: text
    Accessible.role: Accessible.Button

    contentItem: Item {
        TesselIcon {
            anchors.centerIn: parent
            name: control.iconName
            color: control.iconColor
            width: 18; height: 18
        }
    }
    background: Rectangle {
        radius: Theme.radius
        color: control.down || control.checked ? Qt.darker(control.hoverColor, 1.15)
             : control.hovered ? control.hoverColor : "transparent"
        border.width: control.visualFocus ? 1 : 0
        border.color: control.iconColor
    }
    TesselToolTip {
        visible: control.showToolTip && control.hovered && control.text !== ""
        text: control.text
    }
}
