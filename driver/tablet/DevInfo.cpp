#include "driver/tablet/DevInfo.h"

#include "driver/core/MyQmlEnum.h"

DevInfo::DevInfo(int devType)
    : m_model(*ModelTable::byDevType(devType)),
      m_vendorId(m_model.vendorId),
      m_productId(m_model.productId),
      m_flag(devType == MyQmlEnum::CFG_LarkA ? 1 : 0) {}

void DevInfo::getIds(int& vendorId, int& productId, char& flag) const {
  vendorId = m_vendorId;
  productId = m_productId;
  flag = m_flag;
}
