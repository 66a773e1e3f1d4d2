import QtQuick 2.15

// One of the library's white line icons, tinted to the wanted colour. The
// tint is painted on a canvas, so it needs no shader and looks the same with
// every scene-graph backend.
Item {
    id: icon
    property string name
    property color color: Theme.text
    implicitWidth: 18
    implicitHeight: 18

    Canvas {
        id: canvas
        anchors.fill: parent
        readonly property string source: icon.name ? Theme.image(icon.name) : ""
        property color tint: icon.color
        onSourceChanged: if (source !== "") loadImage(source)
        onImageLoaded: requestPaint()
        onTintChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        Component.onCompleted: if (source !== "") loadImage(source)
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            if (source === "" || !isImageLoaded(source)) return
            ctx.drawImage(source, 0, 0, width, height)
            ctx.globalCompositeOperation = "source-in"
            ctx.fillStyle = tint
            ctx.fillRect(0, 0, width, height)
        }
    }
}
