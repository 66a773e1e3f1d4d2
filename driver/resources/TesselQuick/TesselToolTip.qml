import QtQuick 2.15
import QtQuick.Controls 2.15

ToolTip {
    id: control
    delay: 600
    timeout: 5000
    font.family: Theme.fontFamily
    font.pixelSize: Theme.smallFontSize
    contentItem: Text {
        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: Theme.dark ? Theme.text : "#ffffff"
    }
    background: Rectangle {
        radius: Theme.radius
        color: Theme.dark ? Theme.control : "#3a3f45"
        border.color: Theme.border
        border.width: Theme.dark ? 1 : 0
    }
}
