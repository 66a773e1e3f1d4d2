import QtQuick 2.15
import QtQuick.Controls 2.15

TextField {
    id: control
    hoverEnabled: true
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    color: Theme.text
    placeholderTextColor: Theme.textMuted
    selectionColor: Theme.accent
    selectedTextColor: Theme.textOnAccent
    implicitHeight: Theme.controlHeight
    leftPadding: 8
    rightPadding: 8
    Accessible.name: placeholderText
    background: Rectangle {
        radius: Theme.radius
        color: control.enabled ? Theme.surface : Theme.sunken
        border.width: control.activeFocus ? 2 : 1
        border.color: control.activeFocus ? Theme.accent : control.hovered ? Qt.darker(Theme.border, 1.1) : Theme.border
    }
}
