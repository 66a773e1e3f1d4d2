import QtQuick 2.15
import TesselQuick 1.0

// The pen, upright with its nib down, and the places of its two buttons
// (upperButtonY, lowerButtonY, nibY) for the labels beside it.
Item {
    id: picture
    implicitWidth: 56
    implicitHeight: 230
    readonly property real upperButtonY: height * 0.36
    readonly property real lowerButtonY: height * 0.47
    readonly property real nibY: height - 4
    property color body: Theme.dark ? "#4a4f56" : "#3b4047"
    property color grip: Theme.dark ? "#2d3136" : "#23272c"

    Canvas {
        id: canvas
        anchors.fill: parent
        property color body: picture.body
        property color grip: picture.grip
        property color accent: Theme.accent
        onBodyChanged: requestPaint()
        onAccentChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var w = width, h = height, cx = w / 2, r = w * 0.2
            // barrel
            ctx.fillStyle = body
            ctx.beginPath()
            ctx.moveTo(cx - r, h * 0.06)
            ctx.quadraticCurveTo(cx, h * 0.0, cx + r, h * 0.06)
            ctx.lineTo(cx + r, h * 0.72)
            ctx.lineTo(cx + r * 0.45, h * 0.93)
            ctx.lineTo(cx - r * 0.45, h * 0.93)
            ctx.lineTo(cx - r, h * 0.72)
            ctx.closePath()
            ctx.fill()
            // grip
            ctx.fillStyle = grip
            ctx.fillRect(cx - r, h * 0.3, 2 * r, h * 0.36)
            // accent ring
            ctx.fillStyle = accent
            ctx.fillRect(cx - r, h * 0.08, 2 * r, h * 0.025)
            // nib
            ctx.fillStyle = "#9aa0a6"
            ctx.beginPath()
            ctx.moveTo(cx - r * 0.45, h * 0.93)
            ctx.lineTo(cx + r * 0.45, h * 0.93)
            ctx.lineTo(cx, h)
            ctx.closePath()
            ctx.fill()
            // the two side buttons
            ctx.fillStyle = "#6d737a"
            ctx.fillRect(cx + r - 2, picture.upperButtonY - h * 0.04, 5, h * 0.07)
            ctx.fillRect(cx + r - 2, picture.lowerButtonY - h * 0.03, 5, h * 0.06)
        }
    }
}
