import QtQuick 2.15

// The numbers the window exchanges with the settings store and the device
// side, used by name (MyQmlEnum.PenUpKey). Stored settings hold these values.
// The window tests compare them with the native enumerations.
QtObject {
    enum URLTYPE {
        EVarnexUrl = 0,
        EDownLoadurl = 1,
        EDevNoConnect = 2,
        EopenVirtualDevError = 3,
        EHelp = 4
    }
    enum ValueType {
        Width = 0,
        Height = 1,
        X = 2,
        Y = 3
    }
    enum KeyType {
        NokeyDown = 0,
        PenUpKey = 1,
        PenDownKey = 2,
        K1 = 3,
        K2 = 4,
        K3 = 5,
        K4 = 6,
        K5 = 7,
        K6 = 8,
        K7 = 9,
        K8 = 10,
        K9 = 11,
        K10 = 12,
        K11 = 13,
        K12 = 14,
        R1 = 15,
        R2 = 16,
        R3 = 17,
        R4 = 18,
        R5 = 19,
        R6 = 20,
        R7 = 21,
        R8 = 22,
        RTurnRight = 23,
        RTurnLeft = 24,
        RCenterKey = 25,
        ScreenCombox = 100
    }
    enum ComBoxItemIndex {
        KeyExe = 2,
        KeyHostKey = 3,
        PenExe = 5,
        PenHostKey = 6,
        SwivelHostkey = 10
    }
    enum PointPostion {
        TopPoint = 0,
        MidPoint = 1,
        BottomPoint = 2
    }
    enum CoordinateModel {
        Absolute = 0,
        Aelatively = 1
    }
    enum RectType {
        DynamicRectScreen = 0,
        DynamicRectTablet = 1,
        MaxVirtualScreen = 2,
        MaxVirtualTablet = 3
    }
    enum ShortcutkeyEnum {
        ENoEffect = 0,
        ECanvasZoomIn = 1,
        ECanvasZoomOut = 2,
        EBrushZoomIn = 3,
        EBrushZoomOut = 4,
        ENewCanvas = 5,
        ESave = 6,
        EStepBack = 7,
        EStepForward = 8,
        EUndo = 9,
        EStraw = 10,
        EHandGripTool = 11,
        EPenTool = 12,
        EEraserTool = 13,
        EPenEraserTool = 14,
        EWheelDown = 15,
        EWheelUp = 16,
        ELeftMouseButton = 17,
        ERightMouseButton = 18,
        EMiddleMouseButton = 19,
        EDoubleLeftClick = 20,
        EDoubleRightClick = 21,
        EDoubleMiddleClick = 22,
        EShowDesktop = 23,
        ESwitchScreen = 24,
        EShowDriver = 25,
        EProgram = 26,
        EHotKey = 27,
        ECusShortcutkey = 28,
        ESwivelWheel = 29,
        ESwivelCanvas = 30,
        ESwivelBrush = 31,
        ESwivelPage = 32,
        ESwivelDirectionUpDown = 33,
        ESwivelDirectionLeftRight = 34,
        ESwivelStep = 35,
        ESwivelLayer = 36,
        ESwivelCusKey = 37
    }
    enum VARNEX {
        CFG_VarnexK10PlusV2 = 13000,
        CFG_VarnexK40V2 = 14000,
        CFG_LarkA = 15000,
        CFG_LarkB = 16000,
        CFG_LarkC = 16001,
        CFG_LarkD1 = 16002,
        CFG_LarkD2 = 16003,
        CFG_LarkD2B = 16004,
        CFG_LarkD3 = 16005,
        CFG_LarkD3B = 16006,
        CFG_MesaA = 17000,
        CFG_MesaB = 18000,
        CFG_Fjord2Pro = 19000,
        CFG_Fjord1 = 21000,
        CFG_Fjord3 = 22000,
        CFG_Fjord4 = 23000,
        CFG_Fjord4Pro = 23001,
        CFG_Fjord5 = 24000,
        CFG_Fjord5pro = 24001
    }
}
