import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import line.dashLine 1.0
import "ModelFacts.js" as ModelFacts

// The screen area on a live picture of the chosen screen, the tablet area
// on a drawing of the model, the rotation, and dashed lines joining the
// corners of the two areas.
//
// The screen rectangle is stored in the units of the 300 x 168 screen
// picture. The tablet rectangle is stored in the units of the tablet
// picture as it is shown (turned by the rotation), whose size is stored as
// the maximal tablet rectangle; so the stored rectangle always means the
// same part of the tablet, whichever way it is turned.
Item {
    id: page
    objectName: "areaPage"
    property Window window

    readonly property int gap: 12
    readonly property int screenPictureWidth: 300
    readonly property int screenPictureHeight: 168
    // The room the turned tablet picture fits into.
    readonly property int tabletRoomWidth: 360
    readonly property int tabletRoomHeight: 200

    property int rotationAngle: 0
    property real tabletWidthMm: 0
    property real tabletHeightMm: 0
    property int screenImageVersion: 0
    readonly property bool hasTablet: window.connected && tabletWidthMm > 0 && tabletHeightMm > 0

    // The tablet picture's size in its own pixels for an angle: the unturned
    // picture fills the room, a quarter-turned one has the same pixels the
    // other way round (and is shown scaled down to fit). Turning a rectangle
    // is then exact, so turning back and forth never moves the area.
    function tabletBox(angle) {
        if (tabletWidthMm <= 0 || tabletHeightMm <= 0) return Qt.size(tabletRoomWidth, tabletRoomHeight)
        var scale = Math.min(tabletRoomWidth / tabletWidthMm, tabletRoomHeight / tabletHeightMm)
        var w = Math.round(tabletWidthMm * scale), h = Math.round(tabletHeightMm * scale)
        return angle === 90 || angle === 270 ? Qt.size(h, w) : Qt.size(w, h)
    }
    // How much a picture of that size is shrunk to fit the room.
    function tabletScale(box) {
        return Math.min(1, tabletRoomWidth / box.width, (tabletRoomHeight + 40) / box.height)
    }

    // A rectangle of the picture at one angle as the same part of the
    // tablet in the picture at another angle (both multiples of 90).
    function turnRect(r, fromAngle, toAngle) {
        var box = tabletBox(fromAngle)
        var x = r.x, y = r.y, w = r.width, h = r.height, bw = box.width, bh = box.height
        var steps = (((toAngle - fromAngle) / 90) % 4 + 4) % 4
        for (var i = 0; i < steps; ++i) {
            // a quarter turn clockwise: the left edge becomes the top edge
            var nx = bh - (y + h), ny = x
            x = nx; y = ny
            var t = w; w = h; h = t
            t = bw; bw = bh; bh = t
        }
        return Qt.rect(x, y, w, h)
    }

    // A vector of the unturned picture as it points in the picture turned clockwise by angle.
    function turnVector(dx, dy, angle) {
        if (angle === 90) return Qt.point(-dy, dx)
        if (angle === 180) return Qt.point(-dx, -dy)
        if (angle === 270) return Qt.point(dy, -dx)
        return Qt.point(dx, dy)
    }

    function reload() {
        tabletWidthMm = OperateDev.getTableSize(MyQmlEnum.Width)
        tabletHeightMm = OperateDev.getTableSize(MyQmlEnum.Height)
        rotationAngle = configFile.getRotationAngle()
        var box = tabletBox(rotationAngle)
        // The tablet picture's size is only held in memory; the stored
        // tablet rectangle is read in its units.
        configFile.setRectSize(MyQmlEnum.MaxVirtualTablet, Qt.rect(0, 0, box.width, box.height))
        tabletFrame.width = box.width
        tabletFrame.height = box.height
        tabletFrame.scale = tabletScale(box)
        tabletRect.place(configFile.getRectSize(MyQmlEnum.DynamicRectTablet))
        screenRect.place(configFile.getRectSize(MyQmlEnum.DynamicRectScreen))
        reloadScreenChoice()
        linesTimer.restart()
    }

    function reloadScreenChoice() {
        var names = screenInfo.screenNameList
        var row = configFile.getComboxIndex(MyQmlEnum.ScreenCombox)
        if (row < 0 || row >= names.length) row = 0
        if (window.penDisplay) {
            // The native side knows the pen display by its monitor's name.
            var display = names.indexOf(screenInfo.penDisplayScreenName)
            if (display >= 0 && display !== row) {
                row = display
                configFile.setComboxIndex(MyQmlEnum.ScreenCombox, row)
            }
        }
        screenChoice.currentIndex = row
    }

    // What a newly started device needs from the store: the screen it maps
    // to, the rectangles and the rotation.
    function pushToDevice() {
        var names = screenInfo.screenNameList
        if (screenChoice.currentIndex >= 0 && screenChoice.currentIndex < names.length)
            screenInfo.setGrabScreenRect(names[screenChoice.currentIndex])
        OperateDev.setRotationAngle(rotationAngle)
        OperateDev.setMapperArea()
    }

    function storeScreenRect(r) {
        configFile.setRectSize(MyQmlEnum.DynamicRectScreen, r)
        OperateDev.setMapperArea()
        reload()
    }
    function storeTabletRect(r) {
        configFile.setRectSize(MyQmlEnum.DynamicRectTablet, r)
        OperateDev.setMapperArea()
        reload()
    }

    function chooseScreen(row) {
        screenInfo.setGrabScreenRect(screenInfo.screenNameList[row])
        configFile.setComboxIndex(MyQmlEnum.ScreenCombox, row)
        OperateDev.setMapperArea()
        screenInfo.grabScreen()
    }

    function chooseRotation(angle) {
        if (angle === rotationAngle) {
            // The desktop may have turned the monitor back on its own; the
            // angle picked again turns it again, the mapping stays.
            if (window.penDisplay) VarnextTablet.setRotationAngle(angle)
            return
        }
        var turned = turnRect(tabletRect.geometry(), rotationAngle, angle)
        var box = tabletBox(angle)
        configFile.setRotationAngle(angle)
        OperateDev.setRotationAngle(angle)
        // A pen display's monitor turns with it.
        if (window.penDisplay) VarnextTablet.setRotationAngle(angle)
        configFile.setRectSize(MyQmlEnum.MaxVirtualTablet, Qt.rect(0, 0, box.width, box.height))
        configFile.setRectSize(MyQmlEnum.DynamicRectTablet, turned)
        OperateDev.setMapperArea()
        reload()
    }

    // The largest tablet area, centred, with the shape of the screen area.
    function displayProportion() {
        var screenW = screenRect.width / screenPictureWidth * screenInfo.getScreenSize(MyQmlEnum.Width)
        var screenH = screenRect.height / screenPictureHeight * screenInfo.getScreenSize(MyQmlEnum.Height)
        if (screenW <= 0 || screenH <= 0) return
        var turned = rotationAngle === 90 || rotationAngle === 270
        var mmW = turned ? tabletHeightMm : tabletWidthMm
        var mmH = turned ? tabletWidthMm : tabletHeightMm
        var aspect = screenW / screenH
        var w = mmW, h = mmW / aspect
        if (h > mmH) { h = mmH; w = mmH * aspect }
        var box = tabletBox(rotationAngle)
        var pw = w / mmW * box.width, ph = h / mmH * box.height
        storeTabletRect(Qt.rect(Math.round((box.width - pw) / 2), Math.round((box.height - ph) / 2), Math.round(pw), Math.round(ph)))
    }

    function restoreDefaults() {
        configFile.removeConfigGroup("Area/DynamicRectScreen")
        configFile.removeConfigGroup("Area/DynamicRectTablet")
        if (rotationAngle !== 0) {
            configFile.setRotationAngle(0)
            OperateDev.setRotationAngle(0)
            if (window.penDisplay) VarnextTablet.setRotationAngle(0)
        }
        reload()
        OperateDev.setMapperArea()
    }

    function mmText(r) {
        var box = tabletBox(rotationAngle)
        var turned = rotationAngle === 90 || rotationAngle === 270
        var w = r.width / box.width * (turned ? tabletHeightMm : tabletWidthMm)
        var h = r.height / box.height * (turned ? tabletWidthMm : tabletHeightMm)
        return w.toFixed(1) + " × " + h.toFixed(1) + " mm"
    }
    function pxText(r) {
        var w = Math.round(r.width / screenPictureWidth * screenInfo.getScreenSize(MyQmlEnum.Width))
        var h = Math.round(r.height / screenPictureHeight * screenInfo.getScreenSize(MyQmlEnum.Height))
        return w + " × " + h + " px"
    }

    function updateLines() {
        var corners = [[0, 0], [1, 0], [0, 1], [1, 1]]
        var lines = [line0, line1, line2, line3]
        for (var i = 0; i < 4; ++i) {
            var a = tabletRect.mapToItem(page, corners[i][0] * tabletRect.width, corners[i][1] * tabletRect.height)
            var b = screenRect.mapToItem(page, corners[i][0] * screenRect.width, corners[i][1] * screenRect.height)
            lines[i].join(a, b)
        }
    }

    // The corners move with the rectangles (followed at once) and with the
    // layout of the cards around them, which settles a moment after a
    // reload or a page switch; a slow check catches the latter.
    Timer { id: linesTimer; interval: 60; onTriggered: page.updateLines() }
    Timer { interval: 250; repeat: true; running: page.visible && page.window.visible; onTriggered: page.updateLines() }
    onVisibleChanged: if (visible) linesTimer.restart()
    onWidthChanged: linesTimer.restart()
    onHeightChanged: linesTimer.restart()

    Connections {
        target: screenInfo
        function onScreenImageChanged() { page.screenImageVersion++ }
        function onScreenNameListChanged() { page.reloadScreenChoice() }
    }
    Timer {
        interval: 2000
        repeat: true
        triggeredOnStart: true
        running: page.visible && page.window.visible
        onTriggered: screenInfo.grabScreen()
    }

    // Screen block
    TesselCard {
        id: screenCard
        title: qsTr("屏幕设置")
        width: page.width
        height: 232

        Item {
            id: screenFrame
            x: (page.tabletRoomWidth + 60 - width) / 2
            width: page.screenPictureWidth
            height: page.screenPictureHeight
            Rectangle {
                anchors.fill: parent
                anchors.margins: -4
                radius: 4
                color: "#1e2125"
            }
            Image {
                objectName: "screenPicture"
                anchors.fill: parent
                source: "image://screenImage/" + page.screenImageVersion
                cache: false
                asynchronous: false
                fillMode: Image.Stretch
            }
            Rectangle { anchors.fill: parent; color: Qt.rgba(0, 0, 0, 0.25) }
            DynamicRect {
                id: screenRect
                objectName: "screenRect"
                // The areas are the model's; with none connected they cannot be edited.
                enabled: page.hasTablet
                opacity: enabled ? 1 : 0.5
                minimumWidth: 30
                minimumHeight: 17
                sizeText: page.pxText(Qt.rect(x, y, width, height))
                onEdited: page.storeScreenRect(geometry())
                onXChanged: Qt.callLater(page.updateLines)
                onYChanged: Qt.callLater(page.updateLines)
                onWidthChanged: Qt.callLater(page.updateLines)
                onHeightChanged: Qt.callLater(page.updateLines)
            }
        }

        Column {
            x: page.tabletRoomWidth + 80
            width: parent.width - x
            spacing: 10
            TesselComboBox {
                id: screenChoice
                objectName: "screenChoice"
                width: Math.min(parent.width, 280)
                enabled: page.hasTablet
                model: screenInfo.screenNameList
                onActivated: page.chooseScreen(index)
            }
            Flow {
                width: parent.width
                spacing: 8
                TesselButton {
                    objectName: "fullScreen"
                    enabled: page.hasTablet
                    text: qsTr("全部屏幕")
                    onClicked: page.storeScreenRect(Qt.rect(0, 0, page.screenPictureWidth, page.screenPictureHeight))
                }
                TesselButton {
                    text: qsTr("系统显示设置")
                    visible: VarnextTablet.winVerIsGreaterWin10()
                    onClicked: VarnextTablet.showSystemScreenSet()
                }
            }
            Flow {
                width: parent.width
                spacing: 8
                visible: page.window.penDisplay
                TesselButton {
                    objectName: "calibrate"
                    text: qsTr("校准")
                    primary: true
                    onClicked: VarnextTablet.calibration()
                }
                TesselButton {
                    objectName: "defaultCalibration"
                    text: qsTr("默认校准")
                    onClicked: OperateDev.setDefalutCalibration()
                }
            }
        }
    }

    // Tablet block
    TesselCard {
        id: tabletCard
        y: screenCard.height + page.gap
        width: page.tabletRoomWidth + 60
        height: page.height - y

        Item {
            id: tabletRoom
            width: parent.width
            height: page.tabletRoomHeight + 50
            Item {
                id: tabletFrame
                objectName: "tabletFrame"
                // Centre the whole drawing, keys included, not just the area.
                anchors.centerIn: parent
                readonly property point offset: page.turnVector((picture.marginLeft - picture.edge) / 2,
                                                                (picture.marginTop - picture.edge) / 2, page.rotationAngle)
                anchors.horizontalCenterOffset: offset.x * scale
                anchors.verticalCenterOffset: offset.y * scale
                visible: page.hasTablet
                TabletPicture {
                    id: picture
                    devType: page.window.devType
                    anchors.centerIn: parent
                    width: page.rotationAngle % 180 === 0 ? parent.width : parent.height
                    height: page.rotationAngle % 180 === 0 ? parent.height : parent.width
                    rotation: page.rotationAngle
                }
                DynamicRect {
                    id: tabletRect
                    objectName: "tabletRect"
                    minimumWidth: Math.max(16, parent.width * 0.1)
                    minimumHeight: Math.max(10, parent.height * 0.1)
                    sizeText: page.hasTablet ? page.mmText(Qt.rect(x, y, width, height)) : ""
                    onEdited: page.storeTabletRect(geometry())
                    onXChanged: Qt.callLater(page.updateLines)
                    onYChanged: Qt.callLater(page.updateLines)
                    onWidthChanged: Qt.callLater(page.updateLines)
                    onHeightChanged: Qt.callLater(page.updateLines)
                }
            }
            TesselLabel {
                anchors.centerIn: parent
                visible: !page.hasTablet
                text: qsTr("没有识别到设备！")
                muted: true
            }
        }
        Flow {
            anchors.bottom: parent.bottom
            width: parent.width
            spacing: 8
            enabled: page.hasTablet
            TesselButton {
                objectName: "fullArea"
                text: qsTr("全部区域")
                onClicked: {
                    var box = page.tabletBox(page.rotationAngle)
                    page.storeTabletRect(Qt.rect(0, 0, box.width, box.height))
                }
            }
            TesselButton {
                objectName: "displayProportion"
                text: qsTr("显示器比例")
                onClicked: page.displayProportion()
            }
            TesselButton {
                objectName: "setupWorkArea"
                text: qsTr("设置工作区")
                onClicked: page.window.openExampleDialog()
            }
        }
    }

    // Rotation
    TesselCard {
        id: rotationCard
        title: qsTr("旋转设置")
        x: tabletCard.width + page.gap
        y: tabletCard.y
        width: page.width - x
        height: 150
        enabled: page.hasTablet
        ButtonGroup { id: rotationGroup }
        Grid {
            columns: 2
            columnSpacing: 28
            rowSpacing: 10
            Repeater {
                model: [0, 90, 180, 270]
                TesselRadioButton {
                    objectName: "rotation" + modelData
                    text: modelData + "°"
                    ButtonGroup.group: rotationGroup
                    checked: page.rotationAngle === modelData
                    onClicked: page.chooseRotation(modelData)
                }
            }
        }
    }

    TesselButton {
        objectName: "areaDefaults"
        anchors { right: parent.right; bottom: parent.bottom }
        enabled: page.hasTablet
        text: qsTr("默认")
        onClicked: page.restoreDefaults()
    }

    // The dashed lines from the tablet area's corners to the screen area's.
    component CornerLine: DashLine {
        color: Theme.accent
        linewidth: 1
        visible: page.hasTablet
        z: 5
        property point from
        property point to
        function join(a, b) {
            if (a.x === from.x && a.y === from.y && b.x === to.x && b.y === to.y) return
            from = a
            to = b
            x = Math.min(a.x, b.x) - 2
            y = Math.min(a.y, b.y) - 2
            width = Math.abs(a.x - b.x) + 4
            height = Math.abs(a.y - b.y) + 4
            drawLineDash(a.x - x, a.y - y, b.x - x, b.y - y)
        }
    }
    CornerLine { id: line0 }
    CornerLine { id: line1 }
    CornerLine { id: line2 }
    CornerLine { id: line3 }
}
