#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One message of a Qt Linguist source file, as far as the catalogue check
// needs it: the key Qt looks a text up by, and whether a translator finished it.
struct TsMessage {
  QString context;
  QString source;
  QString comment;  // the disambiguation, part of the key
  bool numerus = false;
  bool finished = false;  // translated, not marked unfinished, vanished or obsolete

  QString key() const { return context + QChar(0x1f) + source + QChar(0x1f) + comment; }
  QString describe() const;
};

// Reads every message of a .ts file; an unreadable file gives no messages and
// sets error.
QVector<TsMessage> readTsFile(const QString& path, QString* error = nullptr);
