import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// The window's own title bar: dragging it moves the window; skin, language,
// help, minimise and close at the right.
Rectangle {
    id: pane
    property Window window
    height: 46
    color: Theme.title
    radius: 8
    // Square off the lower corners of the rounded bar.
    Rectangle { anchors { left: parent.left; right: parent.right; bottom: parent.bottom } height: 8; color: Theme.title }

    MouseArea {
        id: dragArea
        anchors.fill: parent
        property point pressPos
        onPressed: {
            pressPos = Qt.point(mouse.x, mouse.y)
            // The window manager moves the window when it can (X11, Wayland).
            if (pane.window.startSystemMove()) mouse.accepted = false
        }
        onPositionChanged: {
            pane.window.x += mouse.x - pressPos.x
            pane.window.y += mouse.y - pressPos.y
        }
    }

    Row {
        anchors { left: parent.left; leftMargin: 14; verticalCenter: parent.verticalCenter }
        spacing: 10
        Image {
            source: imgPath + "logo.png"
            width: 24; height: 24
            sourceSize: Qt.size(48, 48)
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            text: "Varnex Tablet Setting"
            color: Theme.textOnTitle
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            font.bold: true
            anchors.verticalCenter: parent.verticalCenter
        }
    }

    Row {
        anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        spacing: 2
        TesselIconButton {
            id: skinButton
            objectName: "skinButton"
            text: qsTr("皮肤")
            iconName: "skin"
            iconColor: Theme.textOnTitle
            hoverColor: Qt.rgba(1, 1, 1, 0.16)
            onClicked: skinPopup.open()
            SkinPopup { id: skinPopup; y: skinButton.height + 6; x: skinButton.width - width }
        }
        TesselIconButton {
            id: languageButton
            objectName: "languageButton"
            text: qsTr("语言")
            iconName: "language"
            iconColor: Theme.textOnTitle
            hoverColor: Qt.rgba(1, 1, 1, 0.16)
            onClicked: languagePopup.open()
            LanguagePopup { id: languagePopup; y: languageButton.height + 6; x: languageButton.width - width }
        }
        TesselIconButton {
            text: qsTr("帮助")
            iconName: "help"
            iconColor: Theme.textOnTitle
            hoverColor: Qt.rgba(1, 1, 1, 0.16)
            onClicked: Qt.openUrlExternally(configFile.getUrl(MyQmlEnum.EHelp))
        }
        Item { width: 10; height: 1 }
        TesselIconButton {
            text: qsTr("最小化")
            iconName: "minimize"
            iconColor: Theme.textOnTitle
            hoverColor: Qt.rgba(1, 1, 1, 0.16)
            onClicked: pane.window.showMinimized()
        }
        TesselIconButton {
            objectName: "closeButton"
            text: "Close"
            iconName: "close"
            iconColor: Theme.textOnTitle
            hoverColor: "#d93025"
            onClicked: pane.window.hide()
        }
    }
}
