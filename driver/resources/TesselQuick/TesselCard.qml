import QtQuick 2.15

// A titled section of a page.
Rectangle {
    id: card
    property string title
    default property alias content: body.data
    property alias body: body

    color: Theme.surface
    radius: Theme.radius + 2
    border.color: Theme.border
    implicitWidth: body.childrenRect.width + 2 * Theme.margin
    implicitHeight: heading.height + body.childrenRect.height + 2 * Theme.margin + Theme.spacing

    TesselLabel {
        id: heading
        x: Theme.margin
        y: Theme.margin - 4
        text: card.title
        heading: true
        visible: text !== ""
        height: visible ? implicitHeight : 0
    }
    Item {
        id: body
        x: Theme.margin
        y: heading.y + heading.height + (heading.visible ? Theme.spacing : 4)
        width: card.width - 2 * Theme.margin
        height: card.height - y - Theme.margin
    }
}
