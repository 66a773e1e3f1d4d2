import QtQuick 2.15
import QtQuick.Controls 2.15

Label {
    property bool muted: false
    property bool heading: false
    font.family: Theme.fontFamily
    font.pixelSize: heading ? Theme.headingFontSize : Theme.fontSize
    font.bold: heading
    color: muted ? Theme.textMuted : Theme.text
    opacity: enabled ? 1 : 0.5
    verticalAlignment: Text.AlignVCenter
}
