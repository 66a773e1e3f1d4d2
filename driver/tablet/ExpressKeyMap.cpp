#include "driver/tablet/ExpressKeyMap.h"

#include "driver/core/MyQmlEnum.h"

#include <initializer_list>

using namespace MyQmlEnum;

namespace {

struct MaskKey {
  uint32_t mask;
  int key;
};

using Map = std::initializer_list<MaskKey>;

const Map kK10PlusV2 = {{0x001, K1}, {0x002, K2}, {0x004, K3}, {0x008, K4}, {0x010, K5},
                        {0x020, K6}, {0x040, K7}, {0x080, K8}, {0x100, K9}, {0x200, K10}};
const Map kK40V2 = {{0x01, K3}, {0x02, K4}, {0x04, K1}, {0x08, K2}};
const Map kLarkA = {{0x01, K8}, {0x02, K7}, {0x04, K6}, {0x08, K5},
                    {0x10, K4}, {0x20, K3}, {0x40, K2}, {0x80, K1}};
const Map kLarkB = {{0x01, K4}, {0x02, K2}, {0x04, K3}, {0x08, K1}, {0x10, K5}};
// Eight keys and a dial whose turns and centre key come with bit 3 set.
const Map kEightKeysAndDial = {{0x01, K1},        {0x02, K2},       {0x04, K3},        {0x08, K4},
                               {0x10, K5},        {0x20, K6},       {0x40, K7},        {0x80, K8},
                               {0x108, RTurnRight}, {0x208, RTurnLeft}, {0x308, RCenterKey}};
const Map kFjord4 = {{0x01, K1}, {0x02, K2}, {0x04, K3}, {0x08, K4}, {0x10, K5},
                     {0x20, K6}, {0x40, K7}, {0x80, K8}, {0x100, RCenterKey}};
// Fjord4Pro keys are named by bits 15..8 of the mask.
const Map kFjord4ProKeys = {{0x01, K1}, {0x02, K2}, {0x04, K3}, {0x08, K4}, {0x10, K5}, {0x20, K6}};

bool lookUp(const Map& map, uint32_t mask, int32_t& pendingKey) {
  if (mask == 0) return true;
  for (const MaskKey& entry : map) {
    if (entry.mask == mask) {
      pendingKey = entry.key;
      break;
    }
  }
  return false;
}

// Bits 15..8 pick the key, bits 7..0 say whether it went down (1) or up.
bool fjord4Pro(uint32_t mask, int32_t& pendingKey) {
  const uint32_t key = (mask >> 8) & 0xFF;
  for (const MaskKey& entry : kFjord4ProKeys) {
    if (entry.mask == key) {
      pendingKey = entry.key;
      return (mask & 0xFF) != 1;
    }
  }
  return false;
}

}  // namespace

bool ExpressKeyMap::apply(int format, uint8_t status, uint32_t mask, int32_t& pendingKey) {
  switch (format) {
    case CFG_VarnexK10PlusV2: return lookUp(kK10PlusV2, mask, pendingKey);
    case CFG_VarnexK40V2: return lookUp(kK40V2, mask, pendingKey);
    case CFG_LarkA: return lookUp(kLarkA, mask, pendingKey);
    case CFG_LarkB: return lookUp(kLarkB, mask, pendingKey);
    case CFG_LarkC:
    case CFG_LarkD2B:
    case CFG_LarkD3B:
    case CFG_MesaA:
    case CFG_MesaB:
    case CFG_Fjord2Pro:
      return lookUp(kEightKeysAndDial, mask, pendingKey);
    case CFG_Fjord4:
      // With status 0 the mask names the keys; a non-zero status is the dial
      // ("b" right, "a" left) and then carries keys the Fjord4Pro way.
      if (status == 0) return lookUp(kFjord4, mask, pendingKey);
      if (status == 'b') pendingKey = RTurnRight;
      if (status == 'a') pendingKey = RTurnLeft;
      return fjord4Pro(mask, pendingKey);
    case CFG_Fjord4Pro:
      return fjord4Pro(mask, pendingKey);
    default:
      // No express keys: every key report counts as a key going down.
      return false;
  }
}
