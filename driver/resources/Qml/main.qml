import QtQuick 2.15
import QtQuick.Window 2.15
import Qt.labs.platform 1.1 as Platform
import TesselQuick 1.0
import "ModelFacts.js" as ModelFacts

// The settings window: title pane, model bar, navigation and the pages. It
// keeps no setting of its own; every page reads the store on reload().
Window {
    id: mainWindow
    objectName: "mainWindow"
    title: "Varnex_tablet_driver"
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint
    color: "transparent"
    width: 1000
    height: 700
    minimumWidth: 1000
    minimumHeight: 700
    // Started from the session's autostart entry with --hidden, the driver
    // waits in the tray, also with the tablet the scan at start finds
    // (that scan runs before the event loop; a tablet plugged in later, the
    // tray icon and a second start show the window). Started by hand, it
    // shows its window.
    property bool waitingInTray: Qt.application.arguments.indexOf("--hidden") >= 0
    visible: Qt.application.arguments.indexOf("--hidden") < 0

    // The connected model, -1 while none is.
    property int devType: -1
    property bool connected: false
    readonly property bool penDisplay: connected && ModelFacts.isPenDisplay(devType)
    property alias currentPage: pages.currentIndex

    // Every page reloads its values from the store; on arrival, on a switch
    // of the key group, and after an import.
    signal reloadRequested()

    onClosing: {
        close.accepted = false
        hide()
    }

    function showDriverWindow() {
        showNormal()
        raise()
        requestActivate()
    }

    function reloadAll() {
        Theme.index = configFile.getSkinIndex()
        penPage.reload()
        areaPage.reload()
        keyPage.reload()
        aboutPage.reload()
        reloadRequested()
    }

    // The dialogs the pages ask for: each calls onAccepted(result) or
    // onRejected() when it closes.
    function openProgramDialog(onAccepted, onRejected) { programDialog.askFor(onAccepted, onRejected) }
    function openHotKeyDialog(keyType, onAccepted, onRejected) { hotKeyDialog.askFor(keyType, onAccepted, onRejected) }
    function openRollerHotKeyDialog(keyType, onAccepted, onRejected) { rollerHotKeyDialog.askFor(keyType, onAccepted, onRejected) }
    function openExampleDialog() { exampleDialog.open() }
    function openDiagnosisDialog() { diagnosisDialog.open() }

    Connections {
        target: OperateDev
        function onShowTabletDriver() { if (!mainWindow.waitingInTray) mainWindow.showDriverWindow() }
    }
    Connections {
        target: VarnextTablet
        function onDevStateChanged(isArrival, devType) {
            mainWindow.devType = devType
            mainWindow.connected = isArrival
            // With no tablet, or one without keys, there is no key page to show.
            if ((!isArrival || !ModelFacts.hasKeySettings(devType)) && pages.currentIndex === 2) pages.currentIndex = 0
            mainWindow.reloadAll()
            if (isArrival) areaPage.pushToDevice()
        }
    }
    Connections {
        target: configFile
        function onKeyGroupNameChanged() { keyPage.reload() }
    }
    // Another language rebuilds the translated function lists, and a combo
    // box whose list is rebuilt falls back to its first row: the pages with
    // key combo boxes show the stored choices again, and the key-layout help
    // lists what they now show.
    Connections {
        target: trans
        function onCurrentLanguageChanged() {
            penPage.reload()
            keyPage.reload()
            if (keyLayoutHelp.item) keyLayoutHelp.item.refresh()
        }
    }
    Binding {
        target: Theme
        property: "fontFamily"
        value: Theme.fontFor(trans.currentLanguage)
    }

    Component.onCompleted: {
        Theme.index = configFile.getSkinIndex()
        // With no stored language the translator keeps the one of the
        // system's locale; an empty name would switch to the source texts.
        var language = configFile.getLanguage()
        if (language !== "") trans.reTrans(language)
        reloadAll()
        Qt.callLater(function () {
            trayIcon.visible = true
            mainWindow.waitingInTray = false
        })
    }

    KeyFunctionLists { id: functionLists }

    Platform.SystemTrayIcon {
        id: trayIcon
        icon.source: imgPath + "logo.ico"
        // Shown once its icon is set: a tray icon made visible without one
        // stays hidden on desktops where Qt draws the tray icon itself.
        visible: false
        tooltip: "Varnex Tablet Setting"
        onActivated: mainWindow.showDriverWindow()
        menu: Platform.Menu {
            Platform.MenuItem {
                text: qsTr("退出")
                onTriggered: Qt.quit()
            }
        }
    }

    // A soft edge around the frameless window.
    Rectangle {
        id: frame
        anchors.fill: parent
        anchors.margins: 1
        radius: 8
        color: Theme.window
        border.color: Theme.dark ? "#000000" : Qt.darker(Theme.border, 1.15)
        clip: true

        TitlePane {
            id: titlePane
            window: mainWindow
            anchors { left: parent.left; right: parent.right; top: parent.top }
        }
        ModelBar {
            id: modelBar
            window: mainWindow
            anchors { left: parent.left; right: parent.right; top: titlePane.bottom }
        }
        NavigationPane {
            id: navigation
            window: mainWindow
            currentIndex: pages.currentIndex
            onPageChosen: pages.currentIndex = index
            anchors { left: parent.left; top: modelBar.bottom; bottom: parent.bottom }
        }
        TesselPageSwitch {
            id: pages
            objectName: "pages"
            anchors { left: navigation.right; right: parent.right; top: modelBar.bottom; bottom: parent.bottom }
            anchors.margins: Theme.margin
            clip: true

            PenPage { id: penPage; window: mainWindow; functionLists: functionLists; width: pages.width; height: pages.height }
            AreaPage { id: areaPage; window: mainWindow; width: pages.width; height: pages.height }
            KeyPage { id: keyPage; window: mainWindow; functionLists: functionLists; width: pages.width; height: pages.height }
            AboutPage { id: aboutPage; window: mainWindow; width: pages.width; height: pages.height }
        }
    }

    // The diagnosis tool, the work-area example, the message that no tablet
    // is connected (or how far a firmware upgrade got), and the key layout
    // a long press of the dial's centre key shows over any program.
    DiagnosisDialog { id: diagnosisDialog; window: mainWindow }
    ExampleDialog { id: exampleDialog; window: mainWindow }
    DeviceOfflineDialog { id: deviceOfflineDialog; window: mainWindow }
    // What a key's "程序", "热键" and "转环热键" ask for.
    readonly property bool keyDialogOpen: programDialog.visible || hotKeyDialog.visible || rollerHotKeyDialog.visible
    ProgramDialog { id: programDialog }
    HotKeyDialog { id: hotKeyDialog }
    RollerHotKeyDialog { id: rollerHotKeyDialog }

    Loader {
        id: keyLayoutHelp
        objectName: "keyLayoutHelp"
        active: false
        property int devType: -1
        sourceComponent: KeyLayoutHelpWindow {
            devType: keyLayoutHelp.devType
            onDismissed: keyLayoutHelp.active = false
        }
    }
    Connections {
        target: VarnextTablet
        function onLongPressCenterKey(devType) {
            if (keyLayoutHelp.active) {
                keyLayoutHelp.active = false
                return
            }
            if (!ModelFacts.hasDial(devType)) return
            keyLayoutHelp.devType = devType
            keyLayoutHelp.active = true
        }
        function onDevStateChanged(isArrival, devType) {
            if (!isArrival) keyLayoutHelp.active = false
        }
    }
}
