import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0
import "ProgramName.js" as ProgramName
import "ModelFacts.js" as ModelFacts

// The express keys and the dial, for all programs ("通用", the common key
// group) or for one program of the program list (its own key group). The
// selected entry is the store's KeyGroupName: choosing an entry, or a
// listed program coming to the front, switches the group, and the store's
// keyGroupNameChanged makes main.qml reload this page.
Item {
    id: page
    objectName: "keyPage"
    property Window window
    property var functionLists

    readonly property string commonGroup: "CommonKey"
    readonly property int gap: 12
    readonly property bool connected: window ? window.connected : false
    readonly property int devType: connected ? window.devType : -1
    readonly property int keyCount: ModelFacts.keyCount(devType)
    readonly property bool dial: ModelFacts.hasDial(devType)
    readonly property bool keysOnTop: ModelFacts.keySide(devType) === "top"
    // The dial steps through R1 to R6.
    readonly property int rollerCount: 6

    // The programs with their own key group, as the store holds them.
    property var programs: []
    // The entry of the current key group: 0 common, i + 1 program i.
    property int selectedEntry: 0

    function reload() {
        programs = configFile.getProgramList()
        var group = configFile.KeyGroupName
        var entry = group === commonGroup ? 0 : -1
        for (var i = 0; entry < 0 && i < programs.length; ++i)
            if (configFile.programKeyGroup(programs[i]) === group) entry = i + 1
        if (entry < 0) {
            // The group of a program this model's file does not list (the
            // last model's, or one just removed): back to the common group,
            // whose change signal reloads the page.
            configFile.KeyGroupName = commonGroup
            return
        }
        selectedEntry = entry
        for (var k = 0; k < expressKeys.count; ++k) expressKeys.itemAt(k).box.reload()
        for (var r = 0; r < rollerKeys.count; ++r) rollerKeys.itemAt(r).box.reload()
        hideHint.checked = configFile.getHideHint()
        disableShortKey.checked = configFile.getDisableShortKey()
    }

    function groupOfEntry(entry) {
        return entry <= 0 ? commonGroup : configFile.programKeyGroup(programs[entry - 1])
    }
    function selectEntry(entry) {
        configFile.KeyGroupName = groupOfEntry(entry)
    }

    // A program already listed (under the same key group) is selected, not
    // listed twice: two entries would share one group, and removing either
    // would take the other's keys with it.
    function addProgram(path) {
        var group = configFile.programKeyGroup(path)
        if (group === "") return
        for (var i = 0; i < programs.length; ++i) {
            if (configFile.programKeyGroup(programs[i]) === group) {
                selectEntry(i + 1)
                return
            }
        }
        configFile.addProgramList(path)
        programs = configFile.getProgramList()
        selectEntry(programs.length)
    }
    function removeSelectedProgram() {
        if (selectedEntry <= 0) return
        configFile.subProgramList(selectedEntry - 1)
        selectEntry(0)
    }
    function removeAllPrograms() {
        configFile.cleanProgramList()
        selectEntry(0)
    }

    RemoveProgramsDialog { id: removeDialog }

    // The program in front, by its place in the list the store holds; -1
    // for any program without a group of its own.
    function followForeground(index) {
        var listed = configFile.getCusConfigProgramPathList()
        if (index === -1) configFile.KeyGroupName = page.commonGroup
        else if (index >= 0 && index < listed.length) configFile.KeyGroupName = configFile.programKeyGroup(listed[index])
    }
    // A key dialog answers for the group shown when it opened: a program
    // that comes to the front meanwhile switches the group only after the
    // answer is stored (callLater: the answer is stored just after the
    // dialog closes).
    property var foregroundWhileAsking: undefined
    Connections {
        target: ProcessInfo
        function onForegroundWindowAppIndex(index) {
            if (page.window.keyDialogOpen) page.foregroundWhileAsking = index
            else page.followForeground(index)
        }
    }
    Connections {
        target: page.window
        function onKeyDialogOpenChanged() {
            if (page.window.keyDialogOpen || page.foregroundWhileAsking === undefined) return
            Qt.callLater(function () {
                var index = page.foregroundWhileAsking
                page.foregroundWhileAsking = undefined
                if (index !== undefined) page.followForeground(index)
            })
        }
    }

    // The programs
    TesselCard {
        id: programCard
        title: qsTr("为指定程序添加个性化配置")
        width: page.width
        height: 124

        ButtonGroup { id: entryGroup; exclusive: true }
        TesselListView {
            id: programList
            objectName: "programList"
            width: parent.width - programButtons.width - page.gap
            height: 64
            orientation: ListView.Horizontal
            spacing: 6
            model: [""].concat(page.programs)
            delegate: ProgramEntry {
                objectName: "programEntry_" + index
                path: modelData
                text: index === 0 ? qsTr("通用") : ProgramName.baseName(modelData)
                checked: index === page.selectedEntry
                ButtonGroup.group: entryGroup
                onClicked: page.selectEntry(index)
            }
        }
        Row {
            id: programButtons
            anchors { right: parent.right; verticalCenter: programList.verticalCenter }
            spacing: 8
            TesselButton {
                objectName: "addProgram"
                text: qsTr("添加")
                enabled: page.connected
                onClicked: page.window.openProgramDialog(function (path) { page.addProgram(path) }, function () {})
            }
            TesselButton {
                objectName: "removeProgram"
                text: qsTr("移除")
                enabled: page.connected && page.selectedEntry > 0
                onClicked: removeDialog.askFor(ProgramName.baseName(page.programs[page.selectedEntry - 1]),
                                               page.removeSelectedProgram)
            }
            TesselButton {
                objectName: "resetPrograms"
                text: qsTr("重置")
                enabled: page.connected && page.programs.length > 0
                onClicked: removeDialog.askFor("", page.removeAllPrograms)
            }
        }
    }

    // The express keys beside a drawing of the model
    TesselCard {
        id: keyCard
        title: qsTr("按键设置")
        y: programCard.height + page.gap
        width: page.dial ? page.width - page.gap - rollerCard.width : page.width
        height: page.height - y - page.gap - bottomRow.height
        visible: page.keyCount > 0

        // Beside keys on the side: labels, combo boxes, their lines and the
        // picture as one group in the middle of the card.
        readonly property int labelWidth: 34
        readonly property int lineRoom: 60
        readonly property real frameWidth: page.keysOnTop ? body.width : Math.min(body.width * 0.42, 250)
        readonly property real comboWidth: Math.min(210, body.width - frameWidth - labelWidth - lineRoom)
        readonly property real groupLeft: page.keysOnTop ? 0 : (body.width - labelWidth - comboWidth - lineRoom - frameWidth) / 2

        Item {
            id: pictureFrame
            readonly property real pictureHeight: height * 0.86
            x: page.keysOnTop ? 0 : keyCard.groupLeft + keyCard.labelWidth + keyCard.comboWidth + keyCard.lineRoom
            y: page.keysOnTop ? 64 : 0
            width: keyCard.frameWidth
            height: parent.height - y
            clip: true

            TabletPicture {
                id: picture
                devType: page.devType
                // On the top edge the key strip (a fifth of the height) sits above.
                height: page.keysOnTop ? (pictureFrame.height - 8) / 1.25 : pictureFrame.pictureHeight
                width: page.keysOnTop ? Math.min(pictureFrame.width * 0.55, height * 1.7) : height * 1.4
                x: page.keysOnTop ? (pictureFrame.width - width) / 2 : keyStrip + 10
                y: page.keysOnTop ? keyStrip + 8 : (pictureFrame.height - height) / 2
            }
            // The drawing fades out where the frame cuts the tablet off.
            Rectangle {
                visible: !page.keysOnTop
                anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
                width: 70
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Qt.rgba(Theme.surface.r, Theme.surface.g, Theme.surface.b, 0) }
                    GradientStop { position: 1; color: Theme.surface }
                }
            }
            Rectangle {
                visible: page.keysOnTop
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                height: 50
                gradient: Gradient {
                    GradientStop { position: 0; color: Qt.rgba(Theme.surface.r, Theme.surface.g, Theme.surface.b, 0) }
                    GradientStop { position: 1; color: Theme.surface }
                }
            }
        }

        Repeater {
            id: expressKeys
            model: page.keyCount
            Item {
                id: keyRow
                property alias box: combo
                readonly property point keyCentre: {
                    var c = picture.keyCentre(index)
                    return Qt.point(pictureFrame.x + picture.x + c.x, pictureFrame.y + picture.y + c.y)
                }
                // Half the key's width across the side, where the line ends.
                readonly property real keyHalfWidth: picture.keyStrip * 0.22
                readonly property real topComboWidth: Math.min(170, (keyCard.body.width - (page.keyCount - 1) * page.gap) / page.keyCount)
                readonly property real topX: (keyCard.body.width - page.keyCount * topComboWidth - (page.keyCount - 1) * page.gap) / 2
                                             + index * (topComboWidth + page.gap)
                anchors.fill: parent

                TesselLabel {
                    id: keyLabel
                    text: "K" + (index + 1)
                    muted: true
                    font.bold: true
                    width: page.keysOnTop ? implicitWidth : keyCard.labelWidth
                    x: page.keysOnTop ? keyRow.topX : keyCard.groupLeft
                    y: page.keysOnTop ? 0 : keyRow.keyCentre.y - height / 2
                }
                KeyFunctionComboBox {
                    id: combo
                    objectName: "key_K" + (index + 1)
                    window: page.window
                    functionLists: page.functionLists
                    keyType: MyQmlEnum.K1 + index
                    functions: page.functionLists.expressKey
                    programRow: MyQmlEnum.KeyExe
                    hotKeyRow: MyQmlEnum.KeyHostKey
                    height: page.keysOnTop ? Theme.controlHeight
                                           : Math.max(22, Math.min(Theme.controlHeight, picture.keyLength + 1))
                    width: page.keysOnTop ? keyRow.topComboWidth : keyCard.comboWidth
                    x: page.keysOnTop ? keyRow.topX : keyCard.groupLeft + keyCard.labelWidth
                    y: page.keysOnTop ? keyLabel.height + 2 : keyRow.keyCentre.y - height / 2
                    Component.onCompleted: reload()
                }
                LeaderLine {
                    anchors.fill: parent
                    verticalFirst: page.keysOnTop
                    from: page.keysOnTop ? Qt.point(combo.x + combo.width / 2, combo.y + combo.height + 2)
                                         : Qt.point(combo.x + combo.width + 4, keyRow.keyCentre.y)
                    to: page.keysOnTop ? Qt.point(keyRow.keyCentre.x, keyRow.keyCentre.y - keyRow.keyHalfWidth)
                                       : Qt.point(keyRow.keyCentre.x - keyRow.keyHalfWidth, keyRow.keyCentre.y)
                    // Lines to the outer keys bend lower, so no two cross.
                    bend: page.keysOnTop
                          ? combo.y + combo.height + 8 + 6 * Math.abs(index - (page.keyCount - 1) / 2)
                          : (from.x + to.x) / 2
                }
            }
        }
    }

    // The dial's functions
    TesselCard {
        id: rollerCard
        title: qsTr("转环设置")
        x: page.width - width
        y: keyCard.y
        width: 300
        height: keyCard.height
        visible: page.dial

        DialPicture {
            id: dialPicture
            width: 52
        }
        TesselLabel {
            x: dialPicture.width + page.gap
            width: parent.width - x
            anchors.verticalCenter: dialPicture.verticalCenter
            // The line break suits a wider box; here the text wraps by itself.
            text: qsTr("短按为切换转环功能，长按1S为展示按键\n的功能界面，显示当前配置功能").replace(/\n/g, "")
            muted: true
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.smallFontSize
        }
        Repeater {
            id: rollerKeys
            model: page.dial ? page.rollerCount : 0
            Item {
                property alias box: rollerCombo
                readonly property real pitch: Math.min(40, (rollerCard.body.height - dialPicture.height - page.gap) / page.rollerCount)
                y: dialPicture.height + page.gap + index * pitch
                width: rollerCard.body.width
                height: pitch
                TesselLabel {
                    id: rollerLabel
                    text: "R" + (index + 1)
                    muted: true
                    font.bold: true
                    width: 30
                    anchors.verticalCenter: parent.verticalCenter
                }
                KeyFunctionComboBox {
                    id: rollerCombo
                    objectName: "key_R" + (index + 1)
                    window: page.window
                    functionLists: page.functionLists
                    keyType: MyQmlEnum.R1 + index
                    functions: page.functionLists.roller
                    rollerHotKeyRow: MyQmlEnum.SwivelHostkey
                    x: rollerLabel.width + 4
                    width: parent.width - x
                    anchors.verticalCenter: parent.verticalCenter
                    Component.onCompleted: reload()
                }
            }
        }
    }

    Row {
        id: bottomRow
        anchors { left: parent.left; bottom: parent.bottom }
        height: Theme.controlHeight
        spacing: 24
        visible: page.connected
        TesselCheckBox {
            id: hideHint
            objectName: "hideHint"
            text: qsTr("关闭提示")
            anchors.verticalCenter: parent.verticalCenter
            onClicked: {
                configFile.setHideHint(checked)
                OperateDev.setHideHint(checked)
            }
        }
        TesselCheckBox {
            id: disableShortKey
            objectName: "disableShortKey"
            text: qsTr("禁用快捷键")
            anchors.verticalCenter: parent.verticalCenter
            onClicked: configFile.setDisableShortKey(checked)
        }
    }
    TesselButton {
        objectName: "keyDefaults"
        anchors { right: parent.right; bottom: parent.bottom }
        text: qsTr("默认")
        enabled: page.connected
        onClicked: configFile.cleanProgramConfig(page.selectedEntry - 1)
    }
}
