#pragma once

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>

namespace logpages {

// Every log page of dir, oldest first.
inline QStringList names(const QString& dir) {
  return QDir(dir).entryList({QStringLiteral("*_log.html")}, QDir::Files, QDir::Name);
}

inline QString read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The message lines of a page as (class letter, text) pairs, in file order.
inline QList<QPair<QString, QString>> lines(const QString& page) {
  static const QRegularExpression div(QStringLiteral("<div class=\"(.)\">(.*)</div>\r\n"));
  QList<QPair<QString, QString>> result;
  auto it = div.globalMatch(page);
  while (it.hasNext()) {
    const auto match = it.next();
    result.append({match.captured(1), match.captured(2)});
  }
  return result;
}

// All message lines of all pages of dir, in order.
inline QList<QPair<QString, QString>> allLines(const QString& dir) {
  QList<QPair<QString, QString>> result;
  for (const QString& name : names(dir)) result += lines(read(dir + "/" + name));
  return result;
}

}  // namespace logpages
