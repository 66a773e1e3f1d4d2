import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// Pen buttons, pressure curve, coordinate mode and the pressure test area.
Item {
    id: page
    objectName: "penPage"
    property Window window
    property var functionLists
    // The latest pressure the device thread reported: share 0..1 and value.
    property real pressureRate: 0
    property int pressureValue: 0

    readonly property int gap: 12
    readonly property int keyLabelWidth: 84
    readonly property int columnWidth: (width - gap) / 2
    // The settings belong to a model: with none connected they are shown
    // but cannot be changed (the test area still draws with the mouse).
    readonly property bool editable: window.connected

    function reload() {
        upKey.reload()
        downKey.reload()
        curve.topPoint = configFile.getPenPressedCurvePoint(MyQmlEnum.TopPoint)
        curve.midPoint = configFile.getPenPressedCurvePoint(MyQmlEnum.MidPoint)
        curve.bottomPoint = configFile.getPenPressedCurvePoint(MyQmlEnum.BottomPoint)
        var relative = configFile.getCoordinateModel() === MyQmlEnum.Aelatively
        relativeChoice.checked = relative
        absoluteChoice.checked = !relative
        speed.value = configFile.getMouseRate()
        windowsInk.checked = configFile.getWinLnk()
        disablePressure.checked = configFile.getIsDisablePressure()
    }

    function setCurve(top, mid, bottom) {
        configFile.setPenPressedCurve(top, mid, bottom)
        OperateDev.setPressureCurvePoint(top, mid, bottom)
        reload()
    }

    function setRelative(relative) {
        configFile.setCoordinateModel(relative ? MyQmlEnum.Aelatively : MyQmlEnum.Absolute)
        OperateDev.setRelativeModel(relative)
        reload()
    }

    function storeSpeed() {
        OperateDev.setMouseRate(speed.value)
        configFile.setMouseRate(speed.value)
    }

    function restoreDefaults() {
        configFile.removeConfigGroup("PenKey")
        configFile.removeConfigGroup("global/CoordinateModel")
        configFile.removeConfigGroup("global/WinLnk")
        OperateDev.setRelativeModel(configFile.getCoordinateModel() === MyQmlEnum.Aelatively)
        OperateDev.setWinLnk(configFile.getWinLnk())
        reload()
    }

    Connections {
        target: OperateDev
        function onS_pressureValue(rate, value) {
            page.pressureRate = rate
            page.pressureValue = Math.round(value)
        }
    }

    // Pen buttons
    TesselCard {
        id: penCard
        title: qsTr("笔设置")
        width: page.columnWidth
        height: 292
        enabled: page.editable

        PenPicture {
            id: pen
            x: 6
            width: 46
            height: parent.height - 6
        }
        Item { id: keyRows; x: pen.x + pen.width + 24; width: parent.width - x }
        TesselLabel { id: upLabel; text: qsTr("上键"); x: keyRows.x; y: pen.upperButtonY - 12 - height / 2; width: page.keyLabelWidth; elide: Text.ElideRight }
        KeyFunctionComboBox {
            id: upKey
            objectName: "penUpKey"
            window: page.window
            functionLists: page.functionLists
            keyType: MyQmlEnum.PenUpKey
            functions: page.functionLists.pen
            programRow: MyQmlEnum.PenExe
            hotKeyRow: MyQmlEnum.PenHostKey
            x: keyRows.x + upLabel.width + 8
            width: keyRows.width - upLabel.width - 8
            y: upLabel.y + (upLabel.height - height) / 2
        }
        TesselLabel { id: downLabel; text: qsTr("下键"); x: keyRows.x; y: pen.lowerButtonY + 12 - height / 2; width: page.keyLabelWidth; elide: Text.ElideRight }
        KeyFunctionComboBox {
            id: downKey
            objectName: "penDownKey"
            window: page.window
            functionLists: page.functionLists
            keyType: MyQmlEnum.PenDownKey
            functions: page.functionLists.pen
            programRow: MyQmlEnum.PenExe
            hotKeyRow: MyQmlEnum.PenHostKey
            x: keyRows.x + downLabel.width + 8
            width: keyRows.width - downLabel.width - 8
            y: downLabel.y + (downLabel.height - height) / 2
        }
        TesselLabel { id: nibLabel; text: qsTr("笔尖"); x: keyRows.x; y: pen.nibY - height / 2 - 4; width: page.keyLabelWidth; elide: Text.ElideRight }
        TesselLabel { text: qsTr("鼠标左键"); x: downKey.x + 10; y: nibLabel.y; muted: true }
        // leader lines from the buttons to their rows
        Rectangle { x: pen.x + pen.width * 0.75; y: upLabel.y + upLabel.height / 2; width: keyRows.x - x - 6; height: 1; color: Theme.border }
        Rectangle { x: pen.x + pen.width * 0.75; y: downLabel.y + downLabel.height / 2; width: keyRows.x - x - 6; height: 1; color: Theme.border }
        Rectangle { x: pen.x + pen.width * 0.6; y: nibLabel.y + nibLabel.height / 2; width: keyRows.x - x - 6; height: 1; color: Theme.border }
    }

    // Pressure curve and live pressure
    TesselCard {
        id: pressureCard
        title: qsTr("压感设置")
        x: page.columnWidth + page.gap
        width: page.columnWidth
        height: penCard.height
        enabled: page.editable

        TesselLabel {
            text: qsTr("输出")
            muted: true
            font.pixelSize: Theme.smallFontSize
            rotation: -90
            transformOrigin: Item.Center
            x: curve.x - 14 - width / 2
            y: curve.y + curve.height / 2 - height / 2
        }
        PressureCurveEditor {
            id: curve
            objectName: "curveEditor"
            x: 26
            y: 2
            width: Math.min(parent.height - 28, parent.width - 160)
            height: width
            onEdited: page.setCurve(top, mid, bottom)
        }
        TesselLabel {
            text: qsTr("笔压")
            muted: true
            font.pixelSize: Theme.smallFontSize
            anchors.horizontalCenter: curve.horizontalCenter
            y: curve.y + curve.height + 4
        }
        Column {
            x: curve.x + curve.width + 18
            width: parent.width - x
            y: curve.y
            spacing: 10
            TesselButton {
                objectName: "curveReset"
                text: qsTr("复位")
                onClicked: page.setCurve(Qt.point(1, 1), Qt.point(0.5, 0.5), Qt.point(0, 0))
            }
            Item { width: 1; height: 20 }
            TesselLabel { text: qsTr("当前压力值"); muted: true; width: parent.width; elide: Text.ElideRight }
            TesselLabel {
                objectName: "pressureValue"
                text: page.pressureValue
                font.pixelSize: 22
                font.bold: true
            }
            Rectangle {
                width: parent.width - 4
                height: 8
                radius: 4
                color: Theme.sunken
                border.color: Theme.border
                Rectangle {
                    width: parent.width * Math.max(0, Math.min(1, page.pressureRate))
                    height: parent.height
                    radius: 4
                    color: Theme.accent
                }
            }
        }
    }

    // Coordinate mode, pointer speed, Windows Ink
    TesselCard {
        id: modeCard
        title: qsTr("坐标模式")
        y: penCard.height + page.gap
        width: page.columnWidth
        height: 196
        enabled: page.editable

        ButtonGroup { id: modeGroup }
        Row {
            id: modeRow
            spacing: 24
            TesselRadioButton {
                id: absoluteChoice
                objectName: "absoluteMode"
                text: qsTr("绝对")
                ButtonGroup.group: modeGroup
                onClicked: page.setRelative(false)
            }
            TesselRadioButton {
                id: relativeChoice
                objectName: "relativeMode"
                text: qsTr("相对")
                ButtonGroup.group: modeGroup
                onClicked: page.setRelative(true)
            }
        }
        TesselLabel {
            id: speedLabel
            y: modeRow.height + 14
            text: qsTr("指针移动速度")
            enabled: relativeChoice.checked
        }
        Row {
            y: speedLabel.y + speedLabel.height + 4
            spacing: 8
            width: parent.width
            TesselLabel { id: slowLabel; text: qsTr("慢"); muted: true; enabled: speed.enabled; anchors.verticalCenter: parent.verticalCenter }
            TesselSlider {
                id: speed
                objectName: "speedSlider"
                width: parent.width - slowLabel.width - fastLabel.width - 2 * parent.spacing
                from: 0
                to: 1
                stepSize: 0.05
                enabled: relativeChoice.checked
                onMoved: if (!pressed) page.storeSpeed()
                onPressedChanged: if (!pressed) page.storeSpeed()
            }
            TesselLabel { id: fastLabel; text: qsTr("快"); muted: true; enabled: speed.enabled; anchors.verticalCenter: parent.verticalCenter }
        }
        TesselCheckBox {
            id: windowsInk
            objectName: "windowsInk"
            anchors.bottom: parent.bottom
            text: "windows Ink"
            onClicked: {
                configFile.setWinLnk(checked)
                OperateDev.setWinLnk(checked)
            }
        }
    }

    // Pressure test area
    TesselCard {
        id: testCard
        title: qsTr("压感测试区")
        x: page.columnWidth + page.gap
        y: modeCard.y
        width: page.columnWidth
        height: modeCard.height

        PressureTestCanvas {
            id: testCanvas
            objectName: "pressureCanvas"
            width: parent.width
            height: parent.height - 40
            pressureRate: page.pressureRate
            pressureDisabled: disablePressure.checked
        }
        Row {
            anchors.bottom: parent.bottom
            spacing: 16
            TesselButton { text: qsTr("清除"); onClicked: testCanvas.clear() }
            TesselCheckBox {
                id: disablePressure
                objectName: "disablePressure"
                text: qsTr("禁止压力")
                enabled: page.editable
                onClicked: configFile.setDisablePressure(checked)
            }
        }
    }

    TesselButton {
        objectName: "penDefaults"
        anchors { right: parent.right; bottom: parent.bottom }
        enabled: page.editable
        text: qsTr("默认")
        onClicked: page.restoreDefaults()
    }
}
