import QtQuick 2.15
import TesselQuick 1.0

// A thin line from a control to the part of a picture it sets: straight
// when both ends are level, otherwise out along `from`'s axis, across at
// `bend`, and in to `to`. Coordinates are the parent's.
Item {
    id: line
    property point from
    property point to
    // Vertical first (a control above a key on a tablet's top edge) or
    // horizontal first (a control beside a key on its side).
    property bool verticalFirst: false
    // Where the middle leg runs: a y when vertical first, else an x.
    property real bend: verticalFirst ? (from.y + to.y) / 2 : (from.x + to.x) / 2
    property color color: Theme.border
    readonly property real thickness: 1

    function span(a, b) { return Math.abs(b - a) + thickness }

    // first leg
    Rectangle {
        color: line.color
        x: line.verticalFirst ? line.from.x : Math.min(line.from.x, line.bend)
        y: line.verticalFirst ? Math.min(line.from.y, line.bend) : line.from.y
        width: line.verticalFirst ? line.thickness : line.span(line.from.x, line.bend)
        height: line.verticalFirst ? line.span(line.from.y, line.bend) : line.thickness
    }
    // middle leg
    Rectangle {
        color: line.color
        x: line.verticalFirst ? Math.min(line.from.x, line.to.x) : line.bend
        y: line.verticalFirst ? line.bend : Math.min(line.from.y, line.to.y)
        width: line.verticalFirst ? line.span(line.from.x, line.to.x) : line.thickness
        height: line.verticalFirst ? line.thickness : line.span(line.from.y, line.to.y)
    }
    // last leg, ending in a dot on the key
    Rectangle {
        color: line.color
        x: line.verticalFirst ? line.to.x : Math.min(line.bend, line.to.x)
        y: line.verticalFirst ? Math.min(line.bend, line.to.y) : line.to.y
        width: line.verticalFirst ? line.thickness : line.span(line.bend, line.to.x)
        height: line.verticalFirst ? line.span(line.bend, line.to.y) : line.thickness
    }
    Rectangle {
        width: 5; height: 5; radius: 2.5
        color: Theme.accent
        x: line.to.x - 2; y: line.to.y - 2
    }
}
