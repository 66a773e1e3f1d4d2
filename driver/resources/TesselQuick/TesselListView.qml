import QtQuick 2.15
import QtQuick.Controls 2.15

ListView {
    id: view
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    highlightMoveDuration: Theme.animationMs
    ScrollBar.vertical: ScrollBar { policy: view.contentHeight > view.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
    ScrollBar.horizontal: ScrollBar { policy: view.contentWidth > view.width ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
}
