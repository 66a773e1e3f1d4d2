import QtQuick 2.15
import TesselQuick 1.0

// The interface languages; a choice switches and is stored.
TesselPopup {
    id: popup
    objectName: "languagePopup"
    width: 180
    height: column.height + 2 * padding

    function choose(language) {
        trans.reTrans(language)
        configFile.setLanguage(language)
        close()
    }

    Column {
        id: column
        width: parent.width
        Repeater {
            model: trans.languageList
            delegate: TesselMenuItem {
                text: modelData
                current: trans.currentLanguage === modelData
                font.family: Theme.fontFor(modelData)
                onClicked: popup.choose(modelData)
            }
        }
    }
}
