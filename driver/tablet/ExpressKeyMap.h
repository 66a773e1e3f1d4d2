#pragma once

#include <cstdint>

// Turns the key bit mask of a key report into the key it concerns. Which
// map applies is the script's TabletFormat, not the device type: the Fjord5
// names the Fjord4's map.
namespace ExpressKeyMap {

// Looks the mask up in the map of `format`. A listed mask sets pendingKey
// (a KeyType); other masks leave it. Returns true when the report means
// that every key is up, false when a key is down.
bool apply(int format, uint8_t status, uint32_t mask, int32_t& pendingKey);

}  // namespace ExpressKeyMap
