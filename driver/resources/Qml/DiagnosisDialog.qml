import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import "ModelFacts.js" as ModelFacts

// The diagnosis tool: what the tablet says about itself, the pen as the
// driver reads it right now, and the system the driver runs on; with the
// ways to the firmware and to the log.
TesselDialog {
    id: dialog
    objectName: "diagnosisDialog"
    property Window window
    title: qsTr("诊断工具")

    // Only a tablet has the firmware interface; a pen display is never
    // asked, so the controller's values would be another model's.
    readonly property bool firmwareReachable: window.connected && !ModelFacts.isPenDisplay(window.devType)
    property string softVersion: ""
    // The pen as the last report gave it; none yet since the dialog opened.
    property bool penSeen: false
    property int penX: 0
    property int penY: 0
    property int tiltX: 0
    property int tiltY: 0
    property int pressure: 0

    readonly property int cardWidth: 300
    readonly property int lineHeight: 24

    function shown(value) { return value === undefined || value === null || String(value) === "" ? "—" : String(value) }
    function penValue(value) { return penSeen ? String(value) : "—" }

    onAboutToShow: {
        softVersion = VarnextTablet.getSoftVersion()
        penSeen = false
    }

    Connections {
        target: OperateDev
        enabled: dialog.visible
        function onS_penInfo(x, y, xTile, yTile, pressure) {
            dialog.penX = x
            dialog.penY = y
            dialog.tiltX = xTile
            dialog.tiltY = yTile
            dialog.pressure = pressure
            dialog.penSeen = true
        }
    }

    Column {
        spacing: 12
        Row {
            spacing: 12

            TesselCard {
                title: qsTr("硬件检查")
                width: dialog.cardWidth
                height: 218
                color: Theme.control
                Column {
                    width: parent.width
                    TesselLabel {
                        objectName: "diagnosisDevice"
                        height: dialog.lineHeight
                        text: qsTr("设备:%1").arg(dialog.shown(dialog.window.connected ? VarnextTablet.devName : ""))
                    }
                    TesselLabel {
                        height: dialog.lineHeight
                        text: qsTr("产品:%1").arg(dialog.shown(dialog.firmwareReachable ? VarnextTablet.devModel : ""))
                    }
                    TesselLabel {
                        objectName: "diagnosisHardware"
                        height: dialog.lineHeight
                        text: qsTr("硬件版本：%1").arg(dialog.shown(dialog.firmwareReachable ? FirmwareInfo.hardWareVer : ""))
                    }
                    TesselLabel {
                        objectName: "diagnosisFirmware"
                        height: dialog.lineHeight
                        text: qsTr("固件版本：%1").arg(dialog.shown(dialog.firmwareReachable ? FirmwareInfo.firmwareVer : ""))
                    }
                    TesselLabel {
                        height: dialog.lineHeight
                        text: qsTr("固件类型：%1").arg(dialog.shown(dialog.firmwareReachable ? FirmwareInfo.firmwareType : ""))
                    }
                    TesselLabel {
                        height: dialog.lineHeight
                        text: qsTr("笔类型：%1").arg(dialog.shown(dialog.firmwareReachable ? FirmwareInfo.penType : ""))
                    }
                }
            }

            TesselCard {
                title: qsTr("笔信息")
                width: dialog.cardWidth
                height: 218
                color: Theme.control
                Column {
                    width: parent.width
                    TesselLabel { objectName: "penInfoX"; height: dialog.lineHeight; text: qsTr("当前坐标X:%1").arg(dialog.penValue(dialog.penX)) }
                    TesselLabel { objectName: "penInfoY"; height: dialog.lineHeight; text: qsTr("当前坐标Y:%1").arg(dialog.penValue(dialog.penY)) }
                    TesselLabel { objectName: "penInfoTiltX"; height: dialog.lineHeight; text: qsTr("当前倾斜X:%1").arg(dialog.penValue(dialog.tiltX)) }
                    TesselLabel { objectName: "penInfoTiltY"; height: dialog.lineHeight; text: qsTr("当前倾斜Y:%1").arg(dialog.penValue(dialog.tiltY)) }
                    TesselLabel { objectName: "penInfoPressure"; height: dialog.lineHeight; text: qsTr("当前压力感应:%1").arg(dialog.penValue(dialog.pressure)) }
                }
            }
        }

        TesselCard {
            title: qsTr("环境检查")
            width: 2 * dialog.cardWidth + 12
            height: 110
            color: Theme.control
            Grid {
                width: parent.width
                columns: 2
                TesselLabel {
                    objectName: "diagnosisSystem"
                    height: dialog.lineHeight
                    width: dialog.cardWidth
                    elide: Text.ElideRight
                    text: qsTr("系统名称:%1").arg(dialog.shown(VarnextTablet.sysInfo["sysName"]))
                }
                TesselLabel { height: dialog.lineHeight; text: qsTr("系统版本:%1").arg(dialog.shown(VarnextTablet.sysInfo["sysVer"])) }
                TesselLabel { height: dialog.lineHeight; text: qsTr("系统类型:%1").arg(dialog.shown(VarnextTablet.sysInfo["sysBits"])) }
                TesselLabel { height: dialog.lineHeight; text: qsTr("驱动版本:%1").arg(dialog.shown(dialog.softVersion)) }
            }
        }
    }

    buttons: [
        TesselButton {
            objectName: "openLogDir"
            text: qsTr("打开日志记录")
            onClicked: VarnextTablet.openLogDir()
        },
        TesselButton {
            objectName: "firmwareDownload"
            text: qsTr("固件下载")
            enabled: dialog.firmwareReachable
            onClicked: FirmwareInfo.firmwareDownload(VarnextTablet.devName)
        },
        TesselButton {
            objectName: "firmwareUpgrade"
            text: qsTr("固件升级")
            enabled: dialog.firmwareReachable
            onClicked: {
                dialog.close()
                FirmwareInfo.startFirmwareUpgrade()
            }
        }
    ]
}
