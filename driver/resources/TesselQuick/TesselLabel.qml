import QtQuick 2.15
import QtQuick.Controls 2.15

// Labels show names from the settings and the desktop's program entries as
// well as the window's own texts; none is markup, and one read as markup
// could make the label load whatever an <img> in it names.
Label {
    property bool muted: false
    textFormat: Text.PlainText
    property bool heading: false
    font.family: Theme.fontFamily
    font.pixelSize: heading ? Theme.headingFontSize : Theme.fontSize
    font.bold: heading
    color: muted ? Theme.textMuted : Theme.text
    opacity: enabled ? 1 : 0.5
    verticalAlignment: Text.AlignVCenter
}
