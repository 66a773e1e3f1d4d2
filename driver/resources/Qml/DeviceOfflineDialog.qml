import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// Says that no tablet is connected, with the way to the help article, or,
// while the firmware of the tablet is being replaced, how far that got.
// It cannot be clicked away: "确定" dismisses the message until the next
// removal; the progress stays until the tablet is back, the transfer broke
// off, or, once it is complete, the user dismisses it.
TesselDialog {
    id: dialog
    objectName: "deviceOfflineDialog"
    property Window window
    title: qsTr("提示")
    closable: false

    property bool dismissed: false
    // An upgrade shows its progress from the jump to the boot loader until
    // the tablet arrives again with its new firmware.
    property bool upgrading: false
    property int progress: 0
    readonly property bool upgradeDone: upgrading && progress >= 100
    // A tablet that never comes back from the jump to its boot loader (or
    // stops answering midway) reports no more progress; after this long
    // without a report the user may put the dialog away and use the window.
    property int stallMs: 60000
    property bool stalled: false
    Timer {
        id: stallTimer
        interval: dialog.stallMs
        running: dialog.upgrading && !dialog.upgradeDone
        onTriggered: dialog.stalled = true
    }
    readonly property bool wanted: upgrading || (!window.connected && !dismissed)

    onWantedChanged: wanted ? open() : close()
    Component.onCompleted: if (wanted) open()
    // A tablet may leave again a moment after it came; the dialog must then
    // open at once, not be caught in its own closing.
    exit: null

    Connections {
        target: VarnextTablet
        function onDevStateChanged(isArrival, devType) {
            if (isArrival) {
                dialog.upgrading = false
                dialog.stalled = false
                dialog.progress = 0
            } else {
                dialog.dismissed = false
            }
        }
    }
    Connections {
        target: FirmwareInfo
        function onUpgradeProgress(value) {
            dialog.progress = Math.max(0, Math.min(100, value))
            dialog.upgrading = true
            dialog.stalled = false
            stallTimer.restart()
        }
        function onFirmwareUpgradeFailed() {
            dialog.upgrading = false
            dialog.progress = 0
        }
    }

    Column {
        // No tablet
        Column {
            objectName: "offlineMessage"
            visible: !dialog.upgrading
            width: 360
            spacing: 14
            Row {
                spacing: 14
                Rectangle {
                    width: 36; height: 36; radius: 18
                    color: Theme.accentSoft
                    border.color: Theme.accent
                    Text {
                        anchors.centerIn: parent
                        text: "!"
                        color: Theme.accent
                        font.family: Theme.fontFamily
                        font.pixelSize: 20
                        font.bold: true
                    }
                }
                TesselLabel {
                    objectName: "offlineText"
                    height: 36
                    text: qsTr("没有识别到设备！")
                    heading: true
                }
            }
            Text {
                objectName: "offlineHelpLink"
                x: 50
                text: qsTr("点击查看详细解决方法")
                color: Theme.danger
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSize
                font.underline: linkArea.containsMouse
                Accessible.role: Accessible.Link
                Accessible.name: text
                MouseArea {
                    id: linkArea
                    anchors.fill: parent
                    anchors.margins: -4
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: Qt.openUrlExternally(configFile.getUrl(MyQmlEnum.EDevNoConnect))
                }
            }
        }

        // Firmware upgrade
        Column {
            objectName: "upgradeProgress"
            visible: dialog.upgrading
            width: 360
            spacing: 14
            TesselLabel {
                objectName: "upgradeText"
                width: parent.width
                wrapMode: Text.WordWrap
                text: dialog.upgradeDone ? qsTr("固件升级完成，正在重连设备") : qsTr("固件正在升级...")
                heading: true
            }
            Row {
                spacing: 12
                TesselProgressBar {
                    objectName: "upgradeBar"
                    width: 300
                    anchors.verticalCenter: parent.verticalCenter
                    from: 0
                    to: 100
                    value: dialog.progress
                }
                TesselLabel {
                    objectName: "upgradePercent"
                    text: qsTr("%1%").arg(dialog.progress)
                    muted: true
                }
            }
        }
    }

    buttons: TesselButton {
        objectName: "offlineOk"
        // Nothing to click while the transfer runs.
        visible: !dialog.upgrading || dialog.upgradeDone || dialog.stalled
        text: qsTr("确定")
        primary: true
        onClicked: {
            dialog.upgrading = false
            dialog.stalled = false
            dialog.dismissed = true
        }
    }
}
