#pragma once

#include "driver/tablet/ModelTable.h"

#include <QByteArray>
#include <cstdint>

// Builds the input reports a tablet of one model sends, in the byte layout of
// its family, so that the simulated tablet speaks exactly like a real one.
// Every report is SimulatedTablet::kInputReportLength bytes long.
class SimulatedReports {
 public:
  explicit SimulatedReports(const ModelEntry& model);

  // The pen over the tablet at raw coordinates (clamped to the model's
  // range); touching when pressure > 0 (clamped to the model's maximum).
  QByteArray pen(int x, int y, int pressure) const;
  // The pen leaving the tablet's range.
  QByteArray outOfRange() const;

  // An express key going down and every key up again. Models without express
  // keys have none to press: hasExpressKey() is false and both are empty.
  bool hasExpressKey() const { return m_keyMask != 0; }
  QByteArray keyDown() const { return keyReport(m_keyMask); }
  QByteArray keyUp() const { return keyReport(m_keyUpMask); }
  // The KeyType of the key keyDown() presses (NokeyDown without one).
  int key() const { return m_key; }

 private:
  enum class Family { A, B, C11, C13, D };

  QByteArray keyReport(uint32_t mask) const;

  const ModelEntry& m_model;
  Family m_family = Family::A;
  uint32_t m_keyMask = 0;
  uint32_t m_keyUpMask = 0;
  int m_key = 0;
};
