import QtQuick 2.15
import TesselQuick 1.0

// The pressure curve: a quadratic curve from the bottom point (left edge)
// through the pull of the mid point to the top point (right edge). Input
// pressure runs left to right, output bottom to top, both 0..1. The end
// points move only up and down, which keeps every output inside 0..1; the
// mid point moves freely. Points are plain {x, y} in curve units.
Item {
    id: editor
    property point bottomPoint: Qt.point(0, 0)
    property point midPoint: Qt.point(0.5, 0.5)
    property point topPoint: Qt.point(1, 1)
    // Emitted once per release of an anchor with the new points.
    signal edited(point top, point mid, point bottom)

    implicitWidth: 180
    implicitHeight: 180

    function toPixel(p) { return Qt.point(p.x * width, (1 - p.y) * height) }
    function clamp01(v) { return Math.max(0, Math.min(1, v)) }

    Rectangle {
        anchors.fill: parent
        color: Theme.sunken
        border.color: Theme.border
        radius: 2
    }
    // quarter grid
    Repeater {
        model: 3
        Rectangle { x: (index + 1) * editor.width / 4; width: 1; height: editor.height; color: Theme.border; opacity: 0.7 }
    }
    Repeater {
        model: 3
        Rectangle { y: (index + 1) * editor.height / 4; height: 1; width: editor.width; color: Theme.border; opacity: 0.7 }
    }

    Canvas {
        id: curve
        anchors.fill: parent
        property color stroke: Theme.accent
        property point b: editor.bottomPoint
        property point m: editor.midPoint
        property point t: editor.topPoint
        onStrokeChanged: requestPaint()
        onBChanged: requestPaint()
        onMChanged: requestPaint()
        onTChanged: requestPaint()
        onWidthChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var b = editor.toPixel(editor.bottomPoint), m = editor.toPixel(editor.midPoint), t = editor.toPixel(editor.topPoint)
            ctx.strokeStyle = Qt.rgba(stroke.r, stroke.g, stroke.b, 0.35)
            ctx.lineWidth = 1
            ctx.setLineDash([3, 3])
            ctx.beginPath(); ctx.moveTo(b.x, b.y); ctx.lineTo(m.x, m.y); ctx.lineTo(t.x, t.y); ctx.stroke()
            ctx.setLineDash([])
            ctx.strokeStyle = stroke
            ctx.lineWidth = 2.5
            ctx.beginPath(); ctx.moveTo(b.x, b.y); ctx.quadraticCurveTo(m.x, m.y, t.x, t.y); ctx.stroke()
        }
    }

    component Anchor: Rectangle {
        id: anchorItem
        property string which
        property point value
        property bool lockX: false
        width: 14; height: 14; radius: 7
        x: value.x * editor.width - width / 2
        y: (1 - value.y) * editor.height - height / 2
        color: area.pressed ? Theme.accent : Theme.surface
        border.width: 2
        border.color: Theme.accent
        Accessible.name: which
        MouseArea {
            id: area
            objectName: "anchor_" + anchorItem.which
            anchors.fill: parent
            anchors.margins: -6
            hoverEnabled: true
            cursorShape: anchorItem.lockX ? Qt.SizeVerCursor : Qt.SizeAllCursor
            preventStealing: true
            onPositionChanged: {
                if (!pressed) return
                var p = mapToItem(editor, mouse.x, mouse.y)
                var v = Qt.point(anchorItem.lockX ? anchorItem.value.x : editor.clamp01(p.x / editor.width),
                                 editor.clamp01(1 - p.y / editor.height))
                if (anchorItem.which === "bottom") editor.bottomPoint = v
                else if (anchorItem.which === "mid") editor.midPoint = v
                else editor.topPoint = v
            }
            onReleased: editor.edited(editor.topPoint, editor.midPoint, editor.bottomPoint)
        }
    }
    Anchor { which: "bottom"; value: editor.bottomPoint; lockX: true }
    Anchor { which: "mid"; value: editor.midPoint }
    Anchor { which: "top"; value: editor.topPoint; lockX: true }
}
