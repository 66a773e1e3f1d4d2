#include "driver/tablet/ReportLayout.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/LayoutADecoder.h"
#include "driver/tablet/LayoutBDecoder.h"
#include "driver/tablet/LayoutCDecoder.h"
#include "driver/tablet/LayoutDDecoder.h"

const ReportLayout* ReportLayout::forDevType(int devType) {
  static const LayoutADecoder layoutA;
  static const LayoutBDecoder layoutB;
  static const LayoutCDecoder layoutC13(13);
  static const LayoutCDecoder layoutC11(11);
  static const LayoutDDecoder layoutD;
  using namespace MyQmlEnum;
  switch (devType) {
    case CFG_VarnexK10PlusV2:
    case CFG_VarnexK40V2:
    case CFG_LarkA:
    case CFG_LarkB:
    case CFG_LarkC:
    case CFG_LarkD1:
    case CFG_LarkD2:
    case CFG_LarkD2B:
    case CFG_LarkD3:
    case CFG_LarkD3B:
    case CFG_MesaA:
    case CFG_MesaB:
    case CFG_Fjord2Pro:
      return &layoutA;
    case CFG_Fjord1:
      return &layoutB;
    case CFG_Fjord3:
    case CFG_Fjord4:
      return &layoutC13;
    case CFG_Fjord5:
      return &layoutC11;
    case CFG_Fjord4Pro:
    case CFG_Fjord5pro:
      return &layoutD;
    default:
      return nullptr;
  }
}
