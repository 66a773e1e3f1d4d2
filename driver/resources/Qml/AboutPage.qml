import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// Versions of the driver and of the connected tablet, and the way to the
// diagnosis tool and the maker's pages.
Item {
    id: page
    objectName: "aboutPage"
    property Window window
    property string softVersion: ""

    function reload() { softVersion = VarnextTablet.getSoftVersion() }

    TesselCard {
        width: Math.min(parent.width, 520)
        height: 250
        title: qsTr("关于")
        Column {
            spacing: 10
            Image {
                source: imgPath + "logo.png"
                width: 48; height: 48
                sourceSize: Qt.size(64, 64)
            }
            TesselLabel { text: "Varnex Tablet Setting"; heading: true }
            TesselLabel { text: qsTr("驱动版本:%1").arg(page.softVersion); muted: true }
            TesselLabel {
                objectName: "aboutFirmware"
                // A pen display is never asked: the version would be the tablet's before it.
                visible: page.window.connected && !page.window.penDisplay && FirmwareInfo.firmwareVer !== ""
                text: qsTr("固件版本：%1").arg(FirmwareInfo.firmwareVer)
                muted: true
            }
            Row {
                spacing: Theme.spacing
                TesselButton { text: qsTr("诊断工具"); onClicked: page.window.openDiagnosisDialog() }
                TesselButton { text: qsTr("帮助"); onClicked: Qt.openUrlExternally(configFile.getUrl(MyQmlEnum.EHelp)) }
            }
        }
    }
}
