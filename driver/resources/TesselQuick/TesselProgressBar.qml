import QtQuick 2.15
import QtQuick.Controls 2.15

// A thin bar that fills with the theme's accent.
ProgressBar {
    id: control
    implicitWidth: 240
    implicitHeight: 8
    Accessible.name: objectName

    background: Rectangle {
        implicitHeight: 8
        radius: height / 2
        color: Theme.sunken
        border.color: Theme.border
    }
    contentItem: Item {
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: Theme.accent
            Behavior on width { NumberAnimation { duration: Theme.animationMs } }
        }
    }
}
