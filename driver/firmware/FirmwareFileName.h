#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The facts a firmware file carries in its name, e.g.
// "PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin": product code, firmware type, pen type
// and the range of PCB (hardware) versions it fits. Fields are separated by
// "-"; the fifth field and later (version, extension) are not examined.
class FirmwareFileName {
 public:
  // Takes the last component of `path` (either separator) and splits it.
  // Empty when it has fewer than five fields: then it is no firmware file name.
  static std::optional<FirmwareFileName> parse(const QString& path);

  const QStringList& fields() const { return m_fields; }
  QString productCode() const { return m_fields.at(0); }
  QString firmwareType() const { return m_fields.at(1); }
  QString penType() const { return m_fields.at(2); }
  QString hardwareRange() const { return m_fields.at(3); }

  // True when `hardwareVersion` lies within the "HV[lo^hi]" range found in
  // `field` (ends included). A range without "^", with more than one "^",
  // or without "HV[" never matches. Compared in single precision, as the
  // device's "1.05" style versions are.
  static bool hardwareInRange(const QString& field, const QString& hardwareVersion);

 private:
  QStringList m_fields;
};
