#pragma once

// The nineteen model descriptions. They differ only in the table row they
// read, so they are declared together rather than in nineteen files.

#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/DevInfo.h"

#define VARNEX_DEVINFO(Key, Type)                                          \
  class DevInfo_##Key : public DevInfo {                                   \
   public:                                                                 \
    DevInfo_##Key() : DevInfo(MyQmlEnum::Type) {}                          \
    QString script() const override { return ModelTable::script(m_model); } \
  };

VARNEX_DEVINFO(K10PlusV2, CFG_VarnexK10PlusV2)
VARNEX_DEVINFO(K40V2, CFG_VarnexK40V2)
VARNEX_DEVINFO(LarkA, CFG_LarkA)
VARNEX_DEVINFO(LarkB, CFG_LarkB)
VARNEX_DEVINFO(LarkC, CFG_LarkC)
VARNEX_DEVINFO(LarkD1, CFG_LarkD1)
VARNEX_DEVINFO(LarkD2, CFG_LarkD2)
VARNEX_DEVINFO(LarkD2B, CFG_LarkD2B)
VARNEX_DEVINFO(LarkD3, CFG_LarkD3)
VARNEX_DEVINFO(LarkD3B, CFG_LarkD3B)
VARNEX_DEVINFO(MesaA, CFG_MesaA)
VARNEX_DEVINFO(MesaB, CFG_MesaB)
VARNEX_DEVINFO(Fjord2Pro, CFG_Fjord2Pro)
VARNEX_DEVINFO(Fjord1, CFG_Fjord1)
VARNEX_DEVINFO(Fjord3, CFG_Fjord3)
VARNEX_DEVINFO(Fjord4, CFG_Fjord4)
VARNEX_DEVINFO(Fjord4Pro, CFG_Fjord4Pro)
VARNEX_DEVINFO(Fjord5, CFG_Fjord5)
VARNEX_DEVINFO(Fjord5pro, CFG_Fjord5pro)

#undef VARNEX_DEVINFO
