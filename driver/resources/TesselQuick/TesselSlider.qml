import QtQuick 2.15
import QtQuick.Controls 2.15

Slider {
    id: control
    hoverEnabled: true
    implicitWidth: 200
    implicitHeight: 26
    Accessible.name: objectName

    background: Rectangle {
        x: control.leftPadding
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: control.availableWidth
        height: 4
        radius: 2
        color: Theme.sunken
        opacity: control.enabled ? 1 : 0.45
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.accent
        }
    }
    handle: Rectangle {
        x: control.leftPadding + control.visualPosition * (control.availableWidth - width)
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: 16; height: 16; radius: 8
        color: control.pressed ? Theme.accentPressed : Theme.surface
        border.width: control.visualFocus ? 3 : 2
        border.color: control.enabled ? Theme.accent : Theme.border
    }
}
