import QtQuick 2.15
import TesselQuick 1.0
import "ModelFacts.js" as ModelFacts

// A drawing of the connected model around its active area, made from the
// model's facts: the active area's shape, the number and side of its
// express keys, its dial, and for pen displays the screen. The item itself
// is the active area; the body reaches outside it.
Item {
    id: picture
    property int devType: -1
    readonly property bool penDisplay: ModelFacts.isPenDisplay(devType)
    readonly property int keyCount: ModelFacts.keyCount(devType)
    readonly property bool dial: ModelFacts.hasDial(devType)
    readonly property bool keysOnTop: ModelFacts.keySide(devType) === "top"
    readonly property bool hasControls: keyCount > 0 || dial
    // Numbers on the keys, so a list of K1, K2… can be matched to them.
    property bool showKeyNumbers: false

    readonly property real edge: Math.max(10, Math.min(width, height) * 0.07)
    readonly property real keyStrip: hasControls ? Math.max(30, Math.min(width, height) * 0.2) : edge
    readonly property real marginLeft: hasControls && !keysOnTop ? keyStrip : edge
    readonly property real marginTop: hasControls && keysOnTop ? keyStrip : edge

    // Where a key or the dial sits, in the picture's coordinates (the active
    // area's top-left is 0,0), so pages can point at them.
    function keyCentre(index) {
        var along = controls.keyPosition(index) + controls.keyLength / 2
        var across = controls.across / 2 + 2
        return keysOnTop ? Qt.point(along, across - keyStrip) : Qt.point(across - keyStrip, along)
    }
    function dialCentre() {
        var across = controls.across / 2 + 2
        return keysOnTop ? Qt.point(controls.along / 2, across - keyStrip) : Qt.point(across - keyStrip, controls.along / 2)
    }
    // The length of a key along its side.
    readonly property real keyLength: controls.keyLength

    Rectangle {
        id: body
        x: -picture.marginLeft
        y: -picture.marginTop
        width: picture.width + picture.marginLeft + picture.edge
        height: picture.height + picture.marginTop + picture.edge
        radius: Math.min(18, picture.edge * 1.2)
        color: picture.penDisplay ? "#1e2125" : "#2e3237"
        border.color: "#14161a"
        Rectangle {
            anchors.fill: parent
            anchors.margins: 1
            radius: parent.radius - 1
            color: "transparent"
            border.color: Qt.rgba(1, 1, 1, 0.08)
        }
        Text {
            anchors { right: parent.right; bottom: parent.bottom; rightMargin: picture.edge + 4; bottomMargin: (picture.edge - height) / 2 }
            text: "VARNEX"
            color: Qt.rgba(1, 1, 1, 0.35)
            font.pixelSize: Math.max(7, picture.edge * 0.55)
            font.letterSpacing: 1.5
            visible: picture.edge >= 10
        }
    }

    // the active area, or the screen of a pen display
    Rectangle {
        anchors.fill: parent
        color: picture.penDisplay ? "#2c3a4f" : "#3a3f45"
        gradient: picture.penDisplay ? screenGradient : null
        border.color: picture.penDisplay ? "#101215" : "#50565d"
    }
    Gradient {
        id: screenGradient
        GradientStop { position: 0; color: "#3b4f6b" }
        GradientStop { position: 1; color: "#222c3a" }
    }
    // corner marks of a tablet's active area
    Repeater {
        model: picture.penDisplay ? 0 : 4
        Item {
            readonly property bool atRight: index % 2 === 1
            readonly property bool atBottom: index >= 2
            x: atRight ? picture.width - 10 : 2
            y: atBottom ? picture.height - 10 : 2
            width: 8; height: 8
            Rectangle { width: 8; height: 1.5; y: parent.atBottom ? 6.5 : 0; color: "#8a9199" }
            Rectangle { width: 1.5; height: 8; x: parent.atRight ? 6.5 : 0; color: "#8a9199" }
        }
    }

    // express keys and dial along the side
    Item {
        id: controls
        visible: picture.hasControls
        x: picture.keysOnTop ? 0 : -picture.keyStrip
        y: picture.keysOnTop ? -picture.keyStrip : 0
        width: picture.keysOnTop ? picture.width : picture.keyStrip
        height: picture.keysOnTop ? picture.keyStrip : picture.height
        readonly property real along: picture.keysOnTop ? width : height
        readonly property real across: picture.keysOnTop ? height : width
        readonly property real dialSize: picture.dial ? across * 0.62 : 0
        readonly property int firstHalf: Math.ceil(picture.keyCount / 2)
        readonly property real keyLength: Math.min(across * 0.5, (along - dialSize - 16) / Math.max(1, picture.keyCount) - 4)

        // The start of a key along the side: the keys as one block in the
        // middle, split in two halves around the dial.
        function keyPosition(index) {
            var slot = keyLength + 4
            var block = picture.keyCount * slot + (picture.dial ? dialSize + 8 : 0)
            var start = (along - block) / 2
            return start + index * slot + (picture.dial && index >= firstHalf ? dialSize + 8 : 0)
        }

        Repeater {
            model: picture.keyCount
            Rectangle {
                readonly property real pos: controls.keyPosition(index)
                x: picture.keysOnTop ? pos : (controls.across - width) / 2 + 2
                y: picture.keysOnTop ? (controls.across - height) / 2 + 2 : pos
                width: picture.keysOnTop ? controls.keyLength : controls.across * 0.44
                height: picture.keysOnTop ? controls.across * 0.44 : controls.keyLength
                radius: 2
                color: "#474c53"
                border.color: "#5c6269"
                Text {
                    anchors.centerIn: parent
                    visible: picture.showKeyNumbers
                    text: index + 1
                    color: Qt.rgba(1, 1, 1, 0.75)
                    font.pixelSize: Math.max(7, Math.min(parent.width, parent.height) * 0.62)
                }
            }
        }
        DialPicture {
            visible: picture.dial
            width: controls.dialSize
            border.width: 2
            x: picture.keysOnTop ? (controls.along - width) / 2 : (controls.across - width) / 2 + 2
            y: picture.keysOnTop ? (controls.across - height) / 2 + 2 : (controls.along - height) / 2
        }
    }
}
