import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// The connected model and the import and export of its settings.
Rectangle {
    id: bar
    property Window window
    height: 48
    color: Theme.surface
    Rectangle { anchors { left: parent.left; right: parent.right; bottom: parent.bottom } height: 1; color: Theme.border }

    Row {
        anchors { left: parent.left; leftMargin: Theme.margin + 4; verticalCenter: parent.verticalCenter }
        spacing: 10
        TesselLabel { text: qsTr("型号"); muted: true }
        Rectangle {
            width: 8; height: 8; radius: 4
            anchors.verticalCenter: parent.verticalCenter
            color: bar.window.connected ? "#34a853" : Theme.textMuted
        }
        TesselLabel {
            objectName: "modelName"
            text: bar.window.connected ? VarnextTablet.devName : qsTr("没有识别到设备！")
            font.bold: bar.window.connected
            muted: !bar.window.connected
        }
    }

    TesselButton {
        id: configButton
        objectName: "configButton"
        anchors { right: parent.right; rightMargin: Theme.margin; verticalCenter: parent.verticalCenter }
        text: qsTr("配置设置")
        iconName: "import"
        // Settings are imported into and exported from the connected model's file.
        enabled: bar.window.connected
        onClicked: configMenu.open()
        TesselPopup {
            id: configMenu
            y: configButton.height + 4
            x: configButton.width - width
            width: 170
            padding: 4
            Column {
                width: parent.width
                TesselMenuItem {
                    text: qsTr("导入配置")
                    onClicked: {
                        configMenu.close()
                        if (configFile.importConfigFile()) VarnextTablet.rereadConfig()
                    }
                }
                TesselMenuItem {
                    text: qsTr("导出配置")
                    onClicked: {
                        configMenu.close()
                        configFile.exportConfigFile()
                    }
                }
            }
        }
    }
}
