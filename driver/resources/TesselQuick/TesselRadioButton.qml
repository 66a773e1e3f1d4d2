import QtQuick 2.15
import QtQuick.Controls 2.15

RadioButton {
    id: control
    hoverEnabled: true
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    spacing: 8
    Accessible.name: text

    indicator: Rectangle {
        implicitWidth: 18
        implicitHeight: 18
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 9
        opacity: control.enabled ? 1 : 0.45
        color: Theme.surface
        border.width: control.visualFocus ? 2 : 1
        border.color: control.checked || control.hovered || control.visualFocus ? Theme.accent : Theme.border
        Rectangle {
            anchors.centerIn: parent
            width: 10; height: 10; radius: 5
            color: control.down ? Theme.accentPressed : Theme.accent
            visible: control.checked
        }
    }
    contentItem: Text {
        text: control.text
        font: control.font
        color: Theme.text
        opacity: control.enabled ? 1 : 0.5
        verticalAlignment: Text.AlignVCenter
        leftPadding: control.indicator.width + control.spacing
    }
}
