#pragma once

#include <QMap>

#include <optional>

// What the express keys do before the user chooses: one table per key layout,
// key type (K1 = 3 ...) to function (ShortcutkeyEnum). Keys a table leaves
// out do nothing by default.
namespace DefaultKeyTables {

// The table of that device type (VARNEX), or nothing for a model whose keys
// have no defaults.
std::optional<QMap<int, int>> forDeviceType(int devType);

}  // namespace DefaultKeyTables
