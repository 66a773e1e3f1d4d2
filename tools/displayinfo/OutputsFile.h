#pragma once

#include "platform/display/DisplayOutput.h"

#include <QString>
#include <QVector>

// A description of display outputs, one per line:
//   NAME X Y W H ORIENTATION EDIDFILE
// EDIDFILE is a file of raw EDID bytes, relative to the description's folder
// unless absolute, or "-" for a monitor without EDID. Lines starting with "#"
// and blank lines are skipped.
namespace OutputsFile {

// False with one line in `error` (naming the line number for a malformed
// line) when the file or an EDID file cannot be read or a line is malformed.
bool read(const QString& path, QVector<platform::DisplayOutput>& outputs, QString& error);

// The same for a description already read; `path` names it in messages and
// relative EDID files are looked up in `folder`.
bool parse(const QByteArray& content, const QString& path, const QString& folder,
           QVector<platform::DisplayOutput>& outputs, QString& error);

// Raw bytes of a small file such as an EDID; false with a reason when it
// cannot be read or is implausibly large for what it should hold.
bool readSmallFile(const QString& path, qint64 limit, QByteArray& bytes, QString& error);

}  // namespace OutputsFile
