#include "driver/core/SettingsFileCheck.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>

#include <cstring>
#include <new>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace SettingsFileCheck {

namespace {

// No settings file of ours comes near this; a larger one is not read.
const qint64 kLargestFile = 4 * 1024 * 1024;

const char kVariant[] = "Variant(";
const int kVariantLength = 8;
// How QSettings writes the type of a QPointF, the only value the store keeps
// as "@Variant(...)": four bytes of type number 26.
const char kPointType[] = "\\0\\0\\0\\x1a";
const int kPointTypeLength = 10;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

// One escape at `at` (a backslash): whether it can stand for `wanted`, read
// with any number of its digits (readers differ there), and where it ends.
bool escapeCanBe(const QByteArray& raw, int at, ushort wanted, int* end) {
  int i = at + 1;
  if (i >= raw.size()) {
    *end = i;
    return false;
  }
  const char kind = raw[i];
  bool can = false;
  if (kind == 'x' || isOctalDigit(kind)) {
    const bool hex = kind == 'x';
    if (hex) ++i;
    uint value = 0;
    for (; i < raw.size() && (hex ? isHexDigit(raw[i]) : isOctalDigit(raw[i])); ++i) {
      value = value * (hex ? 16 : 8) + uint(hex ? hexValue(raw[i]) : raw[i] - '0');
      can = can || ushort(value) == wanted;
    }
  } else {
    static const char kNamed[] = "abfnrtv";
    static const char kMeaning[] = "\a\b\f\n\r\t\v";
    const char* named = kind != '\0' ? std::strchr(kNamed, kind) : nullptr;
    can = ushort(uchar(named ? kMeaning[named - kNamed] : kind)) == wanted;
    ++i;
  }
  *end = i;
  return can;
}

// Whether the text after an "@" at `at` can read as "Variant(": true with
// `literal` set when it stands there as it is.
bool canBeVariant(const QByteArray& raw, int at, bool* literal) {
  *literal = true;
  int i = at + 1;
  for (int k = 0; k < kVariantLength; ++k) {
    if (i >= raw.size()) return false;
    if (raw[i] != '\\') {
      if (raw[i] != kVariant[k]) return false;
      ++i;
      continue;
    }
    *literal = false;
    if (!escapeCanBe(raw, i, ushort(uchar(kVariant[k])), &i)) return false;
  }
  return true;
}

// QSettings turns every value that reads "@Variant(...)" into a QVariant
// through QDataStream, whatever type its bytes name: a damaged one can name
// an image or a list of any length. Only what the store writes may pass: a
// "@Variant(" written out as it is, of a QPointF. An "@" that only an escape
// could make, or a "Variant(" hidden in escapes, never comes from QSettings.
bool onlyPointVariants(const QByteArray& raw) {
  for (int i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\') {
      int end = i;
      if (escapeCanBe(raw, i, '@', &end)) return false;
      i = end - 1;
      continue;
    }
    if (raw[i] != '@') continue;
    bool literal = true;
    if (!canBeVariant(raw, i, &literal)) continue;
    if (!literal) return false;
    const int payload = i + 1 + kVariantLength;
    if (raw.mid(payload, kPointTypeLength) != kPointType) return false;
    const int next = payload + kPointTypeLength;
    if (next < raw.size() && isHexDigit(raw[next])) return false;
  }
  return true;
}

}  // namespace

bool readable(const QString& path) {
  QFile file(path);
  if (!file.exists()) return true;
  if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) return false;
  if (!onlyPointVariants(file.readAll())) return false;
  try {
    // Every value converted, as the getters later would.
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) settings.value(key);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool readableOrSetAside(const QString& path, QString* setAsidePath) {
  if (setAsidePath) setAsidePath->clear();
  if (readable(path)) return true;
  QString aside = path + QStringLiteral(".damaged");
  for (int n = 2; QFile::exists(aside); ++n) aside = path + QStringLiteral(".damaged-%1").arg(n);
  if (QFile::rename(path, aside)) {
    if (setAsidePath) *setAsidePath = aside;
    qCWarning(lcConfig).noquote() << "the settings file" << path
                                  << "holds a value that cannot be read; it is kept as" << aside
                                  << "and the settings start from their defaults";
  } else {
    qCWarning(lcConfig).noquote() << "the settings file" << path
                                  << "holds a value that cannot be read, and it could not be moved aside";
  }
  return false;
}

}  // namespace SettingsFileCheck
