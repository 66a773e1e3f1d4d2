import QtQuick 2.15
import QtQuick.Window 2.15
import TesselQuick 1.0

// The express-key and dial settings with the per-program key groups.
// Not built yet: the navigation button is wired, reload() is called on
// arrival and on every change of the key group.
Item {
    id: page
    objectName: "keyPage"
    property Window window
    property var functionLists

    function reload() {}

    TesselLabel {
        anchors.centerIn: parent
        text: qsTr("按键设置")
        muted: true
    }
}
