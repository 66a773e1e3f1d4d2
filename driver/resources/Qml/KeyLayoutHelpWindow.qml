import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import "ModelFacts.js" as ModelFacts

// What each express key and roller entry does now, over a drawing of the
// model, shown on a long press of the dial's centre key while the user
// works in another program. A click or the next long press closes it.
//
// It never takes the keyboard: the express keys type their shortcuts into
// the window that has it, which must stay the drawing program. As a
// tool-tip window it is also left alone by window managers that hide an
// inactive program's tool windows.
Window {
    id: help
    objectName: "keyLayoutHelpWindow"
    property int devType: -1
    signal dismissed()

    flags: Qt.ToolTip | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint | Qt.WindowDoesNotAcceptFocus
    // Shown over the program in front, also while the settings window is hidden.
    transientParent: null
    color: "transparent"
    visible: true
    width: 800
    height: 400
    // Not the settings window's title, which finding that window relies on.
    title: "Varnex_key_layout"

    readonly property int keyCount: ModelFacts.keyCount(devType)
    readonly property int rollerCount: ModelFacts.hasDial(devType) ? 6 : 0
    readonly property real aspect: {
        var w = OperateDev.getTableSize(MyQmlEnum.Width), h = OperateDev.getTableSize(MyQmlEnum.Height)
        return w > 0 && h > 0 ? w / h : 1.6
    }

    // Counts the key page's reloads that may have changed what it left
    // (another language); the key texts are read again on each.
    property int textsRevision: 0
    function refresh() { textsRevision++ }

    // The key page leaves there what each key's combo box shows. The
    // bindings pass textsRevision only so that they read the map again.
    function describe(keyType, revision) {
        var text = configFile.getDisPlayTextFromMap(keyType)
        return text !== "" ? text : "—"
    }

    Component.onCompleted: {
        x = Screen.virtualX + (Screen.width - width) / 2
        y = Screen.virtualY + (Screen.height - height) / 2
    }

    Rectangle {
        anchors.fill: parent
        radius: 10
        color: Theme.surface
        border.color: Theme.dark ? "#000000" : Qt.darker(Theme.border, 1.15)

        MouseArea {
            anchors.fill: parent
            onClicked: help.dismissed()
        }

        Rectangle {
            id: picturePane
            x: 1; y: 1
            width: 350
            height: parent.height - 2
            radius: 10
            color: Theme.sunken
            Rectangle { anchors { right: parent.right; top: parent.top; bottom: parent.bottom } width: 10; color: parent.color }
            Item {
                id: area
                width: Math.min(240, 170 * help.aspect)
                height: width / help.aspect
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: (picture.marginLeft - picture.edge) / 2
                anchors.verticalCenterOffset: (picture.marginTop - picture.edge) / 2 - note.height / 2 - 6
                TabletPicture {
                    id: picture
                    anchors.fill: parent
                    devType: help.devType
                    showKeyNumbers: true
                }
            }
            TesselLabel {
                id: note
                objectName: "keyLayoutNote"
                anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 20 }
                horizontalAlignment: Text.AlignHCenter
                muted: true
                font.pixelSize: Theme.smallFontSize
                text: qsTr("短按为切换转环功能,\n长按1s为展示按键功能界\n面，显示当前配置功能")
            }
        }

        Item {
            x: picturePane.width + 24
            y: 20
            width: parent.width - x - 24
            height: parent.height - 40

            TesselLabel {
                id: modelName
                text: VarnextTablet.devName
                heading: true
                font.pixelSize: Theme.titleFontSize
            }
            Rectangle { id: rule; y: modelName.height + 8; width: parent.width; height: 1; color: Theme.border }
            Grid {
                id: keyList
                objectName: "keyLayoutList"
                y: rule.y + 12
                columns: 2
                columnSpacing: 20
                rowSpacing: 2
                flow: Grid.TopToBottom
                rows: Math.max(help.keyCount, help.rollerCount)

                Repeater {
                    model: help.keyCount
                    TesselLabel {
                        objectName: "keyLayoutK" + (index + 1)
                        width: (keyList.parent.width - keyList.columnSpacing) / 2
                        height: 26
                        elide: Text.ElideRight
                        textFormat: Text.PlainText
                        text: "K" + (index + 1) + ":  " + help.describe(MyQmlEnum.K1 + index, help.textsRevision)
                    }
                }
                // keeps the roller entries in the second column
                Repeater {
                    model: Math.max(0, keyList.rows - help.keyCount)
                    Item { width: 1; height: 26 }
                }
                Repeater {
                    model: help.rollerCount
                    TesselLabel {
                        objectName: "keyLayoutR" + (index + 1)
                        width: (keyList.parent.width - keyList.columnSpacing) / 2
                        height: 26
                        elide: Text.ElideRight
                        textFormat: Text.PlainText
                        text: "R" + (index + 1) + ":  " + help.describe(MyQmlEnum.R1 + index, help.textsRevision)
                    }
                }
            }

        }
    }
}
