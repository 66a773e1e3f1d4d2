#pragma once

#include <QObject>

// The numbers the window, the settings store and the device side exchange.
// Stored settings hold these values, so they never change. Registered once for
// QML (registerMyQmlEnum) under the same name.
namespace MyQmlEnum {
Q_NAMESPACE

enum URLTYPE { EVarnexUrl = 0, EDownLoadurl = 1, EDevNoConnect = 2, EopenVirtualDevError = 3, EHelp = 4 };
Q_ENUM_NS(URLTYPE)

enum ValueType { Width = 0, Height = 1, X = 2, Y = 3 };
Q_ENUM_NS(ValueType)

enum KeyType {
  NokeyDown = 0,
  PenUpKey = 1,
  PenDownKey = 2,
  K1 = 3, K2, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12,  // 3 .. 14
  R1 = 15, R2, R3, R4, R5, R6, R7, R8,                    // 15 .. 22
  RTurnRight = 23,
  RTurnLeft = 24,
  RCenterKey = 25,
  ScreenCombox = 100
};
Q_ENUM_NS(KeyType)

enum ComBoxItemIndex { KeyExe = 2, KeyHostKey = 3, PenExe = 5, PenHostKey = 6, SwivelHostkey = 10 };
Q_ENUM_NS(ComBoxItemIndex)

enum PointPostion { TopPoint = 0, MidPoint = 1, BottomPoint = 2 };
Q_ENUM_NS(PointPostion)

enum CoordinateModel { Absolute = 0, Aelatively = 1 };
Q_ENUM_NS(CoordinateModel)

enum RectType { DynamicRectScreen = 0, DynamicRectTablet = 1, MaxVirtualScreen = 2, MaxVirtualTablet = 3 };
Q_ENUM_NS(RectType)

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
};
Q_ENUM_NS(ShortcutkeyEnum)

// The device type: one value per supported model, -1 for none. 19000 and
// above are pen displays; 21000 and above are the pen displays other than
// the Fjord2Pro.
enum VARNEX {
  CFG_None = -1,
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
};
Q_ENUM_NS(VARNEX)

inline bool isPenDisplay(int devType) { return devType >= CFG_Fjord2Pro; }

// Makes the enumerations available to QML as "MyQmlEnum" in module "Varnex 1.0".
void registerMyQmlEnum();

}  // namespace MyQmlEnum
