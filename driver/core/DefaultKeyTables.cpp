#include "driver/core/DefaultKeyTables.h"

#include "driver/core/MyQmlEnum.h"

#include <initializer_list>

namespace DefaultKeyTables {

namespace {

using namespace MyQmlEnum;

// Functions of K1, K2, ... in key order.
QMap<int, int> fromK1(std::initializer_list<ShortcutkeyEnum> functions) {
  QMap<int, int> table;
  int key = K1;
  for (ShortcutkeyEnum function : functions) table.insert(key++, function);
  return table;
}

}  // namespace

std::optional<QMap<int, int>> forDeviceType(int devType) {
  switch (devType) {
    case CFG_VarnexK40V2:
      return fromK1({EShowDriver, ECanvasZoomIn, ECanvasZoomOut, EUndo});
    case CFG_VarnexK10PlusV2:
      return fromK1({EShowDriver, ECanvasZoomIn, ECanvasZoomOut, EBrushZoomIn, EBrushZoomOut, EUndo, ENewCanvas,
                     ESave, EStraw, EHandGripTool});
    case CFG_LarkA:
      return fromK1({EShowDriver, ECanvasZoomIn, ECanvasZoomOut, EBrushZoomIn, EBrushZoomOut, EUndo, ENewCanvas,
                     ESave});
    case CFG_LarkB:
      return fromK1({ECanvasZoomIn, ECanvasZoomOut, EShowDriver, EBrushZoomIn, EBrushZoomOut});
    case CFG_LarkC:
      return fromK1({ECanvasZoomOut, ECanvasZoomIn, EStraw, EHandGripTool, EUndo});
    case CFG_LarkD2B:
      return fromK1({ECanvasZoomOut, ECanvasZoomIn, EStraw, EHandGripTool});
    case CFG_LarkD3B:
      return fromK1({EShowDriver, ECanvasZoomOut, ECanvasZoomIn, EStraw, EHandGripTool, EUndo});
    case CFG_MesaA:
    case CFG_Fjord4:
      return fromK1({EShowDriver, ECanvasZoomIn, ECanvasZoomOut, EStraw, EHandGripTool, EUndo, ENewCanvas, ESave});
    case CFG_MesaB:
    case CFG_Fjord2Pro:
      return fromK1({EShowDriver, ECanvasZoomIn, ECanvasZoomOut, EStraw, EHandGripTool, EUndo});
    case CFG_Fjord4Pro:
      return fromK1({EBrushZoomIn, EBrushZoomOut, ECanvasZoomIn, ECanvasZoomOut, EUndo, EHandGripTool});
    default:
      return std::nullopt;
  }
}

}  // namespace DefaultKeyTables
