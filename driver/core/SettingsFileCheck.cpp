#include "driver/core/SettingsFileCheck.h"

#include "driver/core/IniStoredStrings.h"
#include "platform/system/RegularFile.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>

#include <new>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace SettingsFileCheck {

namespace {

// No settings file of ours comes near this; a larger one is not read.
const qint64 kLargestFile = 4 * 1024 * 1024;

// How QSettings writes the type of a QPointF, the only value the store keeps
// as "@Variant(...)": four bytes of type number 26.
const char kPointType[] = {0, 0, 0, 0x1a};

// QSettings turns a value (or list entry) into a QVariant through QDataStream
// when it reads "@Variant(...)" or "@DateTime(...)", whatever type its bytes
// name: a damaged one can name an image or a list of any length. Only what
// the store writes may pass: a point.
bool safeForQSettings(const QString& text) {
  if (!text.startsWith(QLatin1Char('@')) || !text.endsWith(QLatin1Char(')'))) return true;
  if (text.startsWith(QLatin1String("@DateTime("))) return false;
  if (!text.startsWith(QLatin1String("@Variant("))) return true;
  return text.mid(9).toLatin1().startsWith(QByteArray(kPointType, sizeof kPointType));
}

bool onlySafeValues(const QByteArray& raw) {
  for (const QStringList& value : IniStoredStrings::valuesOf(raw))
    for (const QString& text : value)
      if (!safeForQSettings(text)) return false;
  return true;
}

Finding finding(Finding::Kind kind, const QString& reason) {
  Finding result;
  result.kind = kind;
  result.reason = reason;
  return result;
}

}  // namespace

Finding inspect(const QString& path) {
  using Status = platform::RegularFileRead::Status;
  const platform::RegularFileRead file = platform::readRegularFile(QFile::encodeName(path), kLargestFile);
  switch (file.status) {
    case Status::Missing:
      return {};
    case Status::NotAFile:
      return finding(Finding::Kind::NotAFile, file.error);
    case Status::TooLarge:
      return finding(Finding::Kind::TooLarge, file.error);
    case Status::Unreadable:
      return finding(Finding::Kind::Unreadable, file.error);
    case Status::Read:
      break;
  }
  if (!onlySafeValues(file.bytes))
    return finding(Finding::Kind::Damaged, QStringLiteral("holds a value that cannot be read"));
  try {
    // Every value converted, as the getters later would.
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) settings.value(key);
  } catch (const std::bad_alloc&) {
    return finding(Finding::Kind::Damaged, QStringLiteral("holds a value that cannot be read"));
  }
  return {};
}

bool readable(const QString& path) { return inspect(path).usable(); }

Finding inspectAndSetAside(const QString& path, QString* setAsidePath) {
  if (setAsidePath) setAsidePath->clear();
  const Finding found = inspect(path);
  if (found.usable()) return found;
  if (!found.isDamage()) {
    qCWarning(lcConfig).noquote() << "the settings file" << path << "cannot be used now (" + found.reason +
                                         "); it is left as it is and the settings run from their defaults";
    return found;
  }
  QString aside = path + QStringLiteral(".damaged");
  for (int n = 2; QFile::exists(aside) || QFile(aside).symLinkTarget() != QString(); ++n)
    aside = path + QStringLiteral(".damaged-%1").arg(n);
  if (QFile::rename(path, aside)) {
    if (setAsidePath) *setAsidePath = aside;
    qCWarning(lcConfig).noquote() << "the settings file" << path << found.reason << "; it is kept as" << aside
                                  << "and the settings start from their defaults";
  } else {
    qCWarning(lcConfig).noquote() << "the settings file" << path << found.reason
                                  << "and it could not be moved aside; the settings run from their defaults";
  }
  return found;
}

bool readableOrSetAside(const QString& path, QString* setAsidePath) {
  return inspectAndSetAside(path, setAsidePath).usable();
}

}  // namespace SettingsFileCheck
