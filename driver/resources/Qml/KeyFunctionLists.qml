import QtQuick 2.15

// The functions offered in the key combo boxes, each a text and its
// ShortcutkeyEnum value. The rows named by ComBoxItemIndex open a dialog
// instead of taking effect: for pen buttons "程序" is row 5 and "热键" row 6,
// for express keys rows 2 and 3, for the roller "转环热键" row 10.
QtObject {
    readonly property var pen: [
        { text: qsTr("鼠标左键"), value: MyQmlEnum.ELeftMouseButton },
        { text: qsTr("鼠标右键"), value: MyQmlEnum.ERightMouseButton },
        { text: qsTr("左键双击"), value: MyQmlEnum.EDoubleLeftClick },
        { text: qsTr("鼠标中键"), value: MyQmlEnum.EMiddleMouseButton },
        { text: qsTr("橡皮擦"), value: MyQmlEnum.EEraserTool },
        { text: qsTr("程序"), value: MyQmlEnum.EProgram },
        { text: qsTr("热键"), value: MyQmlEnum.EHotKey },
        { text: qsTr("笔/橡皮擦"), value: MyQmlEnum.EPenEraserTool },
        { text: qsTr("显示驱动控制面板"), value: MyQmlEnum.EShowDriver },
        { text: qsTr("无功能"), value: MyQmlEnum.ENoEffect }
    ]
    readonly property var expressKey: [
        { text: qsTr("无功能"), value: MyQmlEnum.ENoEffect },
        { text: qsTr("显示驱动控制面板"), value: MyQmlEnum.EShowDriver },
        { text: qsTr("程序"), value: MyQmlEnum.EProgram },
        { text: qsTr("热键"), value: MyQmlEnum.EHotKey },
        { text: qsTr("画布放大"), value: MyQmlEnum.ECanvasZoomIn },
        { text: qsTr("画布缩小"), value: MyQmlEnum.ECanvasZoomOut },
        { text: qsTr("笔刷放大"), value: MyQmlEnum.EBrushZoomIn },
        { text: qsTr("笔刷缩小"), value: MyQmlEnum.EBrushZoomOut },
        { text: qsTr("撤销"), value: MyQmlEnum.EUndo },
        { text: qsTr("新建画布"), value: MyQmlEnum.ENewCanvas },
        { text: qsTr("保存"), value: MyQmlEnum.ESave },
        { text: qsTr("后退一步"), value: MyQmlEnum.EStepBack },
        { text: qsTr("前进一步"), value: MyQmlEnum.EStepForward },
        { text: qsTr("吸管"), value: MyQmlEnum.EStraw },
        { text: qsTr("抓手"), value: MyQmlEnum.EHandGripTool },
        { text: qsTr("橡皮擦"), value: MyQmlEnum.EEraserTool },
        { text: qsTr("笔/橡皮擦"), value: MyQmlEnum.EPenEraserTool },
        { text: qsTr("鼠标左键"), value: MyQmlEnum.ELeftMouseButton },
        { text: qsTr("鼠标右键"), value: MyQmlEnum.ERightMouseButton },
        { text: qsTr("鼠标中键"), value: MyQmlEnum.EMiddleMouseButton },
        { text: qsTr("左键双击"), value: MyQmlEnum.EDoubleLeftClick }
    ]
    readonly property var roller: [
        { text: qsTr("无功能"), value: MyQmlEnum.ENoEffect },
        { text: qsTr("鼠标滚轮"), value: MyQmlEnum.ESwivelWheel },
        { text: qsTr("画布大小"), value: MyQmlEnum.ESwivelCanvas },
        { text: qsTr("笔刷大小"), value: MyQmlEnum.ESwivelBrush },
        { text: qsTr("上下翻页"), value: MyQmlEnum.ESwivelPage },
        { text: qsTr("上下箭头"), value: MyQmlEnum.ESwivelDirectionUpDown },
        { text: qsTr("左右箭头"), value: MyQmlEnum.ESwivelDirectionLeftRight },
        { text: qsTr("前后步骤"), value: MyQmlEnum.ESwivelStep },
        { text: qsTr("上下图层"), value: MyQmlEnum.ESwivelLayer },
        { text: qsTr("撤销"), value: MyQmlEnum.EUndo },
        { text: qsTr("转环热键"), value: MyQmlEnum.ESwivelCusKey }
    ]

    // Functions that only the hot-key dialog offers, so a key set to one
    // can still be named.
    readonly property var hotKeyOnly: [
        { text: qsTr("滚轮向下"), value: MyQmlEnum.EWheelDown },
        { text: qsTr("滚轮向上"), value: MyQmlEnum.EWheelUp },
        { text: qsTr("显示桌面"), value: MyQmlEnum.EShowDesktop },
        { text: qsTr("切换显示器"), value: MyQmlEnum.ESwitchScreen }
    ]

    // The name of a function in any list, "" for none.
    function nameOf(value) {
        var lists = [expressKey, pen, roller, hotKeyOnly]
        for (var l = 0; l < lists.length; ++l)
            for (var i = 0; i < lists[l].length; ++i)
                if (lists[l][i].value === value) return lists[l][i].text
        return ""
    }

    // The row a key shows: the stored row when it still holds the stored
    // function (or is a dialog row whose result the list cannot name), else
    // the first row with the stored function, else -1.
    function rowFor(list, storedRow, storedEnum, dialogRows) {
        if (storedRow >= 0 && storedRow < list.length) {
            if (list[storedRow].value === storedEnum) return storedRow
            if (dialogRows.indexOf(storedRow) >= 0 && !hasValue(list, storedEnum)) return storedRow
        }
        for (var i = 0; i < list.length; ++i)
            if (list[i].value === storedEnum) return i
        return -1
    }
    function hasValue(list, value) {
        for (var i = 0; i < list.length; ++i)
            if (list[i].value === value) return true
        return false
    }
}
