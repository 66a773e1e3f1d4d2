#pragma once

#include "driver/tablet/ModelTable.h"

#include <QString>

// The description of one model: its USB identity and its configuration
// script. One subclass per model (DevInfoModels.h); DevInfoFactor makes them.
class DevInfo {
 public:
  virtual ~DevInfo() = default;

  void getIds(int& vendorId, int& productId, char& flag) const;
  virtual QString script() const = 0;

 protected:
  explicit DevInfo(int devType);

  const ModelEntry& m_model;
  int m_vendorId;
  int m_productId;
  char m_flag;  // 1 for LarkA only
};
