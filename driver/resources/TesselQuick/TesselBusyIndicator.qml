import QtQuick 2.15
import QtQuick.Controls 2.15

BusyIndicator {
    id: control
    implicitWidth: 32
    implicitHeight: 32
    contentItem: Item {
        Rectangle {
            id: ring
            anchors.fill: parent
            radius: width / 2
            color: "transparent"
            border.width: 3
            border.color: Theme.sunken
        }
        Canvas {
            id: arc
            anchors.fill: parent
            visible: control.running
            property color stroke: Theme.accent
            onStrokeChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.lineWidth = 3
                ctx.lineCap = "round"
                ctx.strokeStyle = stroke
                ctx.beginPath()
                ctx.arc(width / 2, height / 2, width / 2 - 1.5, 0, Math.PI / 2)
                ctx.stroke()
            }
            RotationAnimator on rotation {
                running: control.running && control.visible
                from: 0; to: 360; duration: 900
                loops: Animation.Infinite
            }
        }
    }
}
