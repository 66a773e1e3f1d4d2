import QtQuick 2.15
import QtQuick.Controls 2.15

Switch {
    id: control
    hoverEnabled: true
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    spacing: 8
    Accessible.name: text

    indicator: Rectangle {
        implicitWidth: 36
        implicitHeight: 20
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 10
        opacity: control.enabled ? 1 : 0.45
        color: control.checked ? Theme.accent : Theme.sunken
        border.width: control.visualFocus ? 2 : 1
        border.color: control.checked ? Theme.accent : Theme.border
        Behavior on color { ColorAnimation { duration: Theme.animationMs } }
        Rectangle {
            width: 16; height: 16; radius: 8
            y: 2
            x: control.checked ? parent.width - width - 2 : 2
            color: "#ffffff"
            border.color: Theme.border
            Behavior on x { NumberAnimation { duration: Theme.animationMs; easing.type: Easing.OutCubic } }
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
