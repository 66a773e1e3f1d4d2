import QtQuick 2.15
import QtQuick.Controls 2.15

// A drop-down list. `displayOverride` replaces the shown text when the
// chosen row stands for something the list cannot name itself (a recorded
// shortcut, a program).
ComboBox {
    id: control
    property string displayOverride: ""

    hoverEnabled: true
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontSize
    implicitHeight: Theme.controlHeight
    implicitWidth: 180
    leftPadding: 10
    rightPadding: 30
    Accessible.name: displayText

    displayText: displayOverride !== "" ? displayOverride : currentText

    delegate: ItemDelegate {
        width: control.popup.width - 2
        height: 28
        highlighted: control.highlightedIndex === index
        hoverEnabled: true
        contentItem: Text {
            text: control.textRole ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole]) : modelData
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            font.bold: control.currentIndex === index
            color: Theme.text
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            textFormat: Text.PlainText
        }
        background: Rectangle {
            color: parent.highlighted ? Theme.hover : "transparent"
            radius: 3
        }
    }

    indicator: TesselIcon {
        x: control.width - width - 8
        y: (control.height - height) / 2
        width: 16; height: 16
        name: "arrow_down"
        color: Theme.textMuted
        rotation: control.popup.visible ? 180 : 0
        Behavior on rotation { NumberAnimation { duration: Theme.animationMs } }
    }

    // The shown text may be a custom name or a program's: never markup.
    contentItem: Text {
        text: control.displayText
        textFormat: Text.PlainText
        font: control.font
        color: Theme.text
        opacity: control.enabled ? 1 : 0.5
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: Theme.radius
        opacity: control.enabled ? 1 : 0.55
        color: control.pressed ? Theme.pressed : control.hovered ? Theme.hover : Theme.control
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus || control.popup.visible ? Theme.accent : Theme.border
    }

    popup: Popup {
        y: control.height + 2
        width: Math.max(control.width, 160)
        implicitHeight: Math.min(contentItem.implicitHeight + 2, 320)
        padding: 1
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }
        background: Rectangle {
            color: Theme.surface
            border.color: Theme.border
            radius: Theme.radius
        }
        enter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 110 } }
    }
}
