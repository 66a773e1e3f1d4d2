import QtQuick 2.15
import TesselQuick 1.0

// A rectangle the user moves by its body and resizes by its edges and
// corners, kept inside its parent and no smaller than minimumWidth x
// minimumHeight. Its geometry is its own x, y, width and height; edited()
// comes once per release of a drag that changed it.
Item {
    id: editor
    property real minimumWidth: 20
    property real minimumHeight: 12
    readonly property real boundsWidth: parent ? parent.width : 0
    readonly property real boundsHeight: parent ? parent.height : 0
    property string sizeText: ""
    property color color: Theme.accent
    signal edited()

    // Sets the geometry, held inside the bounds.
    function place(r) {
        var w = Math.max(minimumWidth, Math.min(r.width, boundsWidth))
        var h = Math.max(minimumHeight, Math.min(r.height, boundsHeight))
        x = Math.max(0, Math.min(r.x, boundsWidth - w))
        y = Math.max(0, Math.min(r.y, boundsHeight - h))
        width = w
        height = h
    }
    function geometry() { return Qt.rect(Math.round(x), Math.round(y), Math.round(width), Math.round(height)) }

    property rect startGeometry
    property point startPointer
    property bool changed: false

    function begin(area, mouse) {
        startGeometry = Qt.rect(x, y, width, height)
        startPointer = area.mapToItem(editor.parent, mouse.x, mouse.y)
        changed = false
    }
    // h, v: -1 the left or top edge follows, 1 the right or bottom edge, 0
    // neither; both 0 moves the whole rectangle.
    function follow(area, mouse, h, v) {
        var p = area.mapToItem(editor.parent, mouse.x, mouse.y)
        var dx = p.x - startPointer.x, dy = p.y - startPointer.y
        var g = startGeometry
        var nx = g.x, ny = g.y, nw = g.width, nh = g.height
        if (h === 0 && v === 0) {
            nx = Math.max(0, Math.min(g.x + dx, boundsWidth - g.width))
            ny = Math.max(0, Math.min(g.y + dy, boundsHeight - g.height))
        }
        if (h === -1) { nx = Math.max(0, Math.min(g.x + dx, g.x + g.width - minimumWidth)); nw = g.x + g.width - nx }
        if (h === 1) nw = Math.max(minimumWidth, Math.min(g.width + dx, boundsWidth - g.x))
        if (v === -1) { ny = Math.max(0, Math.min(g.y + dy, g.y + g.height - minimumHeight)); nh = g.y + g.height - ny }
        if (v === 1) nh = Math.max(minimumHeight, Math.min(g.height + dy, boundsHeight - g.y))
        if (nx !== x || ny !== y || nw !== width || nh !== height) changed = true
        x = nx; y = ny; width = nw; height = nh
    }
    function finish() {
        if (changed) edited()
        changed = false
    }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(editor.color.r, editor.color.g, editor.color.b, 0.22)
        border.width: 2
        border.color: editor.color
    }
    Rectangle {
        anchors.centerIn: parent
        visible: editor.sizeText !== "" && editor.width > sizeLabel.width + 8 && editor.height > sizeLabel.height + 4
        width: sizeLabel.width + 10
        height: sizeLabel.height + 4
        radius: 3
        color: Qt.rgba(0, 0, 0, 0.45)
        Text {
            id: sizeLabel
            anchors.centerIn: parent
            text: editor.sizeText
            color: "#ffffff"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.smallFontSize - 1
        }
    }

    MouseArea {
        objectName: "body"
        anchors.fill: parent
        anchors.margins: 6
        cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
        preventStealing: true
        onPressed: editor.begin(this, mouse)
        onPositionChanged: if (pressed) editor.follow(this, mouse, 0, 0)
        onReleased: editor.finish()
    }

    Repeater {
        model: [
            { h: -1, v: 0, cursor: Qt.SizeHorCursor, name: "left" },
            { h: 1, v: 0, cursor: Qt.SizeHorCursor, name: "right" },
            { h: 0, v: -1, cursor: Qt.SizeVerCursor, name: "top" },
            { h: 0, v: 1, cursor: Qt.SizeVerCursor, name: "bottom" },
            { h: -1, v: -1, cursor: Qt.SizeFDiagCursor, name: "topLeft" },
            { h: 1, v: 1, cursor: Qt.SizeFDiagCursor, name: "bottomRight" },
            { h: 1, v: -1, cursor: Qt.SizeBDiagCursor, name: "topRight" },
            { h: -1, v: 1, cursor: Qt.SizeBDiagCursor, name: "bottomLeft" }
        ]
        delegate: MouseArea {
            objectName: "handle_" + modelData.name
            readonly property bool corner: modelData.h !== 0 && modelData.v !== 0
            width: modelData.h === 0 ? editor.width - 12 : (corner ? 14 : 10)
            height: modelData.v === 0 ? editor.height - 12 : (corner ? 14 : 10)
            x: modelData.h === -1 ? -width / 2 : modelData.h === 1 ? editor.width - width / 2 : 6
            y: modelData.v === -1 ? -height / 2 : modelData.v === 1 ? editor.height - height / 2 : 6
            z: corner ? 2 : 1
            hoverEnabled: true
            cursorShape: modelData.cursor
            preventStealing: true
            onPressed: editor.begin(this, mouse)
            onPositionChanged: if (pressed) editor.follow(this, mouse, modelData.h, modelData.v)
            onReleased: editor.finish()
            Rectangle {
                visible: parent.corner
                anchors.centerIn: parent
                width: 8; height: 8
                color: Theme.surface
                border.color: editor.color
                border.width: 2
            }
        }
    }
}
