#include "driver/app/DeviceNameTable.h"

#include "driver/core/MyQmlEnum.h"

namespace DeviceNameTable {

namespace {

struct Row {
  int devType;
  Names names;
};

constexpr Row kRows[] = {
    {MyQmlEnum::CFG_VarnexK10PlusV2, {"K10Plus V2", "PK10Plus v2"}},
    {MyQmlEnum::CFG_VarnexK40V2, {"K40 V2", "PK40 v2"}},
    {MyQmlEnum::CFG_LarkA, {"Lark A", "PV01"}},
    {MyQmlEnum::CFG_LarkB, {"Lark B", "PV02"}},
    {MyQmlEnum::CFG_LarkC, {"Lark C", "PV06"}},
    {MyQmlEnum::CFG_LarkD1, {"Lark D1", "PV07"}},
    {MyQmlEnum::CFG_LarkD2, {"Lark D2", "PV08"}},
    {MyQmlEnum::CFG_LarkD2B, {"Lark D2B", "PV08B"}},
    {MyQmlEnum::CFG_LarkD3, {"Lark D3", "PV09"}},
    {MyQmlEnum::CFG_LarkD3B, {"Lark D3B", "PV09B"}},
    {MyQmlEnum::CFG_MesaA, {"Mesa A", "PV04"}},
    {MyQmlEnum::CFG_MesaB, {"Mesa B", "PV05"}},
    {MyQmlEnum::CFG_Fjord2Pro, {"Fjord2 Pro", "PV03"}},
    {MyQmlEnum::CFG_Fjord1, {"Fjord 1", nullptr}},
    {MyQmlEnum::CFG_Fjord3, {"Fjord 3", nullptr}},
    {MyQmlEnum::CFG_Fjord4, {"Fjord 3&4", nullptr}},
    {MyQmlEnum::CFG_Fjord4Pro, {"Fjord 4Pro", nullptr}},
    {MyQmlEnum::CFG_Fjord5, {"Fjord 5", nullptr}},
    {MyQmlEnum::CFG_Fjord5pro, {"Fjord 5Pro", nullptr}},
};

}  // namespace

const Names* namesOf(int devType) {
  for (const Row& row : kRows) {
    if (row.devType == devType) return &row.names;
  }
  return nullptr;
}

}  // namespace DeviceNameTable
