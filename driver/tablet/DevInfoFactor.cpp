#include "driver/tablet/DevInfoFactor.h"

#include "driver/tablet/DevInfoModels.h"

using namespace MyQmlEnum;

DevInfo* DevInfoFactor::create(int devType) {
  DevInfo* info = nullptr;
  switch (devType) {
    case CFG_VarnexK10PlusV2: info = new DevInfo_K10PlusV2; break;
    case CFG_VarnexK40V2: info = new DevInfo_K40V2; break;
    case CFG_LarkA: info = new DevInfo_LarkA; break;
    case CFG_LarkB: info = new DevInfo_LarkB; break;
    case CFG_LarkC: info = new DevInfo_LarkC; break;
    case CFG_LarkD1: info = new DevInfo_LarkD1; break;
    case CFG_LarkD2: info = new DevInfo_LarkD2; break;
    case CFG_LarkD2B: info = new DevInfo_LarkD2B; break;
    case CFG_LarkD3: info = new DevInfo_LarkD3; break;
    case CFG_LarkD3B: info = new DevInfo_LarkD3B; break;
    case CFG_MesaA: info = new DevInfo_MesaA; break;
    case CFG_MesaB: info = new DevInfo_MesaB; break;
    case CFG_Fjord2Pro: info = new DevInfo_Fjord2Pro; break;
    case CFG_Fjord1: info = new DevInfo_Fjord1; break;
    case CFG_Fjord3: info = new DevInfo_Fjord3; break;
    case CFG_Fjord4: info = new DevInfo_Fjord4; break;
    case CFG_Fjord4Pro: info = new DevInfo_Fjord4Pro; break;
    case CFG_Fjord5: info = new DevInfo_Fjord5; break;
    case CFG_Fjord5pro: info = new DevInfo_Fjord5pro; break;
    default: return nullptr;
  }
  m_last = info;
  return info;
}
