import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// Shows how the work area is set: on a drawing of the tablet, the area is
// made smaller by its corner and then moved by its body, over and over,
// the way the area page's rectangle is handled.
TesselDialog {
    id: dialog
    objectName: "exampleDialog"
    property Window window
    title: qsTr("操作示例")

    // The connected model's shape; a common wide tablet when none is.
    readonly property real aspect: {
        var w = window.connected ? OperateDev.getTableSize(MyQmlEnum.Width) : 0
        var h = window.connected ? OperateDev.getTableSize(MyQmlEnum.Height) : 0
        return w > 0 && h > 0 ? w / h : 1.6
    }

    // The shown work area and the pointer, as shares of the active area.
    QtObject {
        id: demo
        property real areaX: 0
        property real areaY: 0
        property real areaWidth: 1
        property real areaHeight: 1
        property real pointerX: 0.5
        property real pointerY: 0.55
        property bool pressed: false
    }

    Item {
        id: stage
        width: 460
        height: 270

        Rectangle {
            anchors.fill: parent
            radius: Theme.radius
            color: Theme.sunken
            border.color: Theme.border
        }

        Item {
            id: area
            objectName: "exampleArea"
            width: Math.min(300, 190 * dialog.aspect)
            height: width / dialog.aspect
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: (picture.marginLeft - picture.edge) / 2
            anchors.verticalCenterOffset: (picture.marginTop - picture.edge) / 2

            TabletPicture {
                id: picture
                anchors.fill: parent
                devType: dialog.window.connected ? dialog.window.devType : -1
            }
            DynamicRect {
                objectName: "exampleRect"
                enabled: false
                x: demo.areaX * area.width
                y: demo.areaY * area.height
                width: demo.areaWidth * area.width
                height: demo.areaHeight * area.height
            }
            // The mouse pointer, its tip at the point it works on.
            Item {
                x: demo.pointerX * area.width
                y: demo.pointerY * area.height
                Rectangle {
                    x: -width / 2; y: -height / 2
                    width: 22; height: 22; radius: 11
                    color: "transparent"
                    border.color: "#ffffff"
                    border.width: 2
                    opacity: demo.pressed ? 0.8 : 0
                    scale: demo.pressed ? 1 : 0.4
                    Behavior on opacity { NumberAnimation { duration: 120 } }
                    Behavior on scale { NumberAnimation { duration: 120 } }
                }
                Canvas {
                    width: 16; height: 24
                    onPaint: {
                        var ctx = getContext("2d")
                        ctx.reset()
                        ctx.beginPath()
                        ctx.moveTo(1, 1)
                        ctx.lineTo(1, 19)
                        ctx.lineTo(5.5, 15)
                        ctx.lineTo(8.5, 22)
                        ctx.lineTo(11.5, 20.5)
                        ctx.lineTo(8.5, 14)
                        ctx.lineTo(14, 14)
                        ctx.closePath()
                        ctx.fillStyle = "#ffffff"
                        ctx.strokeStyle = "#15171a"
                        ctx.lineWidth = 1.2
                        ctx.fill()
                        ctx.stroke()
                    }
                }
            }
        }
    }

    SequentialAnimation {
        running: dialog.visible
        loops: Animation.Infinite
        ScriptAction {
            script: {
                demo.areaX = 0; demo.areaY = 0; demo.areaWidth = 1; demo.areaHeight = 1
                demo.pointerX = 0.5; demo.pointerY = 0.55; demo.pressed = false
            }
        }
        PauseAnimation { duration: 500 }
        // to the lower right corner, and drag it in
        ParallelAnimation {
            NumberAnimation { target: demo; property: "pointerX"; to: 1; duration: 700; easing.type: Easing.InOutQuad }
            NumberAnimation { target: demo; property: "pointerY"; to: 1; duration: 700; easing.type: Easing.InOutQuad }
        }
        PropertyAction { target: demo; property: "pressed"; value: true }
        PauseAnimation { duration: 200 }
        ParallelAnimation {
            NumberAnimation { target: demo; properties: "areaWidth,pointerX"; to: 0.6; duration: 1100; easing.type: Easing.InOutCubic }
            NumberAnimation { target: demo; properties: "areaHeight,pointerY"; to: 0.62; duration: 1100; easing.type: Easing.InOutCubic }
        }
        PropertyAction { target: demo; property: "pressed"; value: false }
        PauseAnimation { duration: 400 }
        // into the area, and move it by its body
        ParallelAnimation {
            NumberAnimation { target: demo; property: "pointerX"; to: 0.3; duration: 600; easing.type: Easing.InOutQuad }
            NumberAnimation { target: demo; property: "pointerY"; to: 0.31; duration: 600; easing.type: Easing.InOutQuad }
        }
        PropertyAction { target: demo; property: "pressed"; value: true }
        PauseAnimation { duration: 200 }
        ParallelAnimation {
            NumberAnimation { target: demo; property: "areaX"; to: 0.3; duration: 1100; easing.type: Easing.InOutCubic }
            NumberAnimation { target: demo; property: "areaY"; to: 0.28; duration: 1100; easing.type: Easing.InOutCubic }
            NumberAnimation { target: demo; property: "pointerX"; to: 0.6; duration: 1100; easing.type: Easing.InOutCubic }
            NumberAnimation { target: demo; property: "pointerY"; to: 0.59; duration: 1100; easing.type: Easing.InOutCubic }
        }
        PropertyAction { target: demo; property: "pressed"; value: false }
        PauseAnimation { duration: 1600 }
    }

    buttons: TesselButton {
        objectName: "exampleOk"
        text: qsTr("确定")
        primary: true
        onClicked: dialog.close()
    }
}
