import QtQuick 2.15

// Shows one of its child pages. Switching fades the old page out while the
// new one slides in a little, so the eye follows the change without waiting.
Item {
    id: switcher
    property int currentIndex: 0
    readonly property var pages: {
        var list = []
        for (var i = 0; i < children.length; ++i) list.push(children[i])
        return list
    }
    // Emitted once the new page is fully in place (used for measurements).
    signal switched(int index)

    onCurrentIndexChanged: show()
    Component.onCompleted: {
        for (var i = 0; i < children.length; ++i) {
            children[i].visible = i === currentIndex
            children[i].opacity = 1
        }
    }

    function show() {
        for (var i = 0; i < children.length; ++i) {
            var page = children[i]
            if (i === currentIndex) {
                page.visible = true
                page.opacity = 0
                page.x = 12
            } else {
                page.visible = false
            }
        }
        enter.target = children[currentIndex]
        enter.restart()
    }

    ParallelAnimation {
        id: enter
        property Item target
        NumberAnimation { target: enter.target; property: "opacity"; to: 1; duration: Theme.animationMs; easing.type: Easing.OutCubic }
        NumberAnimation { target: enter.target; property: "x"; to: 0; duration: Theme.animationMs; easing.type: Easing.OutCubic }
        onFinished: switcher.switched(switcher.currentIndex)
    }
}
