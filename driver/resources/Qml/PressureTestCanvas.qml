import QtQuick 2.15
import TesselQuick 1.0

// A place to try the pen: strokes follow the pointer while it is pressed,
// as wide as the current pressure (a fixed width when pressure is off).
Rectangle {
    id: pad
    property real pressureRate: 0
    property bool pressureDisabled: false
    color: Theme.dark ? Theme.sunken : "#ffffff"
    border.color: Theme.border
    radius: 3
    clip: true

    function clear() {
        var ctx = canvas.getContext("2d")
        ctx.reset()
        canvas.requestPaint()
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        property point last
        renderStrategy: Canvas.Immediate
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.CrossCursor
        onPressed: canvas.last = Qt.point(mouse.x, mouse.y)
        onPositionChanged: {
            var ctx = canvas.getContext("2d")
            ctx.lineCap = "round"
            ctx.lineJoin = "round"
            ctx.strokeStyle = Theme.text
            ctx.lineWidth = pad.pressureDisabled ? 3 : 1 + 14 * Math.max(0, Math.min(1, pad.pressureRate))
            ctx.beginPath()
            ctx.moveTo(canvas.last.x, canvas.last.y)
            ctx.lineTo(mouse.x, mouse.y)
            ctx.stroke()
            canvas.last = Qt.point(mouse.x, mouse.y)
            canvas.requestPaint()
        }
    }
}
