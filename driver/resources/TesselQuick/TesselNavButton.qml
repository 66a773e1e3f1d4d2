import QtQuick 2.15
import QtQuick.Controls 2.15

// One entry of the left navigation: checkable, one of an exclusive group.
AbstractButton {
    id: control
    property string iconName
    checkable: true
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    implicitWidth: 160
    implicitHeight: 40
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    Accessible.name: text
    Accessible.role: Accessible.PageTab

    contentItem: Row {
        spacing: 10
        leftPadding: 14
        TesselIcon {
            name: control.iconName
            width: 18; height: 18
            color: control.checked ? Theme.accent : Theme.textMuted
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: control.text
            font.family: control.font.family
            font.pixelSize: control.font.pixelSize
            font.bold: control.checked
            color: Theme.text
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Rectangle {
        radius: Theme.radius
        opacity: control.enabled ? 1 : 0.4
        color: control.checked ? Theme.accentSoft : control.hovered ? Theme.hover : "transparent"
        border.width: control.visualFocus ? 1 : 0
        border.color: Theme.accent
        Rectangle {
            width: 3; height: parent.height - 16
            anchors.verticalCenter: parent.verticalCenter
            radius: 1.5
            color: Theme.accent
            visible: control.checked
        }
    }
    opacity: enabled ? 1 : 0.45
}
