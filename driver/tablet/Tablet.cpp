#include "driver/tablet/Tablet.h"

Tablet::Tablet(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
               QObject* parent)
    : QObject(parent), m_hid(std::make_unique<HidDevice>(vendorId, productId, usagePage, usage, exclusive, true)) {
  if (!m_hid->opened()) m_hid.reset();
}

Tablet::~Tablet() = default;
