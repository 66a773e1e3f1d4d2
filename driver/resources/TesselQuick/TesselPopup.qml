import QtQuick 2.15
import QtQuick.Controls 2.15

// A floating panel (the skin grid, the language list, menus of the model bar).
Popup {
    id: control
    padding: 8
    background: Rectangle {
        color: Theme.surface
        radius: Theme.radius + 2
        border.color: Theme.border
    }
    enter: Transition {
        ParallelAnimation {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Theme.animationMs }
            NumberAnimation { property: "scale"; from: 0.96; to: 1; duration: Theme.animationMs; easing.type: Easing.OutCubic }
        }
    }
    exit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 100 } }
}
