#pragma once

#include <QString>

// What the window shows for each model and the product code its firmware
// reports. The display name is also the stem of the model's settings file
// ("Lark A_config.ini").
namespace DeviceNameTable {

struct Names {
  const char* devName;
  const char* devModel;  // null: the pen displays keep the previous code
};

// Null for a device type that is no model.
const Names* namesOf(int devType);

}  // namespace DeviceNameTable
