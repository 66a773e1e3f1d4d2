#include "driver/app/DesktopEntry.h"

#include "platform/system/RegularFile.h"

#include <QFile>

namespace {

// \s \n \t \r \\ of string values.
QString unescapeValue(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (int i = 0; i < value.size(); ++i) {
    const QChar c = value.at(i);
    if (c != QLatin1Char('\\') || i + 1 == value.size()) {
      out += c;
      continue;
    }
    const QChar next = value.at(++i);
    switch (next.unicode()) {
      case 's': out += QLatin1Char(' '); break;
      case 'n': out += QLatin1Char('\n'); break;
      case 't': out += QLatin1Char('\t'); break;
      case 'r': out += QLatin1Char('\r'); break;
      case '\\': out += QLatin1Char('\\'); break;
      default: out += QLatin1Char('\\') + next; break;  // kept for Exec's own quoting
    }
  }
  return out;
}

bool isTrue(const QString& value) { return value == QLatin1String("true"); }

}  // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& text) {
  DesktopEntry entry;
  bool inEntryGroup = false;
  bool sawEntryGroup = false;
  for (const QByteArray& rawLine : text.split('\n')) {
    const QString line = QString::fromUtf8(rawLine).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (line.startsWith(QLatin1Char('['))) {
      // Keys of a group seen twice are not merged: the first group counts.
      inEntryGroup = !sawEntryGroup && line == QLatin1String("[Desktop Entry]");
      sawEntryGroup = sawEntryGroup || inEntryGroup;
      continue;
    }
    if (!inEntryGroup) continue;
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0) continue;
    const QString key = line.left(equals).trimmed();
    const QString value = unescapeValue(line.mid(equals + 1).trimmed());
    if (key == QLatin1String("Type"))
      entry.type = value;
    else if (key == QLatin1String("Icon"))
      entry.icon = value;
    else if (key == QLatin1String("TryExec"))
      entry.tryExec = value;
    else if (key == QLatin1String("Path"))
      entry.workingDirectory = value;
    else if (key == QLatin1String("StartupWMClass"))
      entry.startupWmClass = value;
    else if (key == QLatin1String("X-Flatpak"))
      entry.flatpakId = value;
    else if (key == QLatin1String("X-SnapInstanceName"))
      entry.snapName = value;
    else if (key == QLatin1String("Exec"))
      entry.exec = splitExec(value);
    else if (key == QLatin1String("NoDisplay"))
      entry.noDisplay = isTrue(value);
    else if (key == QLatin1String("Hidden"))
      entry.hidden = isTrue(value);
  }
  if (!sawEntryGroup) return std::nullopt;
  return entry;
}

std::optional<DesktopEntry> DesktopEntry::read(const QString& path, qint64 maxBytes, qint64* bytesRead) {
  const platform::RegularFileRead file = platform::readRegularFile(QFile::encodeName(path), qMin(maxBytes, kMaxBytes));
  if (file.status != platform::RegularFileRead::Status::Read) return std::nullopt;
  if (bytesRead) *bytesRead += file.bytes.size();
  return parse(file.bytes);
}

QStringList DesktopEntry::splitExec(const QString& exec) {
  QStringList arguments;
  QString current;
  bool inArgument = false;
  bool quoted = false;
  for (int i = 0; i < exec.size(); ++i) {
    const QChar c = exec.at(i);
    if (quoted) {
      if (c == QLatin1Char('"')) {
        quoted = false;
      } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
        current += exec.at(++i);
      } else {
        current += c;
      }
      continue;
    }
    if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
      if (inArgument) arguments << current;
      current.clear();
      inArgument = false;
      continue;
    }
    inArgument = true;
    if (c == QLatin1Char('"')) {
      quoted = true;
    } else if (c == QLatin1Char('%') && i + 1 < exec.size() &&
               (exec.at(i + 1) == QLatin1Char('%') || exec.at(i + 1).isLetter())) {
      // %% is a percent sign; a field code (%f, %U, ...) stands for
      // something the launcher fills in and is dropped.
      if (exec.at(++i) == QLatin1Char('%')) current += c;
    } else {
      current += c;
    }
  }
  if (inArgument) arguments << current;
  // An argument that was only a field code is no argument.
  arguments.removeAll(QString());
  return arguments;
}
