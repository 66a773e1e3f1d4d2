import QtQuick 2.15

// The dial of a model: a ring with its centre key. Drawn in the tablet
// picture and beside the roller settings.
Rectangle {
    id: dial
    width: 40
    height: width
    radius: width / 2
    color: "#3b4046"
    border.color: "#666c73"
    border.width: Math.max(2, width / 20)
    Rectangle {
        anchors.centerIn: parent
        width: parent.width * 0.42; height: width; radius: width / 2
        color: "#2a2e33"
        border.color: "#5c6269"
    }
}
