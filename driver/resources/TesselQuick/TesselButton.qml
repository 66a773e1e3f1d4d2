import QtQuick 2.15
import QtQuick.Controls 2.15

// A push button; `primary` gives it the theme's accent for the main action.
Button {
    id: control
    property bool primary: false
    property string iconName: ""

    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    implicitHeight: Theme.controlHeight
    implicitWidth: Math.max(76, implicitContentWidth + leftPadding + rightPadding)
    leftPadding: 14
    rightPadding: 14
    Accessible.name: text

    contentItem: Item {
        implicitWidth: row.implicitWidth
        implicitHeight: row.implicitHeight
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            TesselIcon {
                visible: control.iconName !== ""
                name: control.iconName
                width: 16; height: 16
                anchors.verticalCenter: parent.verticalCenter
                color: label.color
            }
            Text {
                id: label
                text: control.text
                font: control.font
                color: control.primary || control.checked ? Theme.textOnAccent : Theme.text
                opacity: control.enabled ? 1 : 0.6
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
            }
        }
    }

    background: Rectangle {
        radius: Theme.radius
        opacity: control.enabled ? 1 : 0.45
        color: control.primary || control.checked
               ? (control.down ? Theme.accentPressed : control.hovered ? Theme.accentHover : Theme.accent)
               : (control.down ? Theme.pressed : control.hovered ? Theme.hover : Theme.control)
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? Theme.accent
                      : (control.primary || control.checked ? "transparent" : Theme.border)
        Behavior on color { ColorAnimation { duration: Theme.animationMs } }
    }
}
