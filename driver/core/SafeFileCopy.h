#pragma once

#include <QString>

// Most a copied settings file may hold; a larger source is not read.
constexpr qint64 kLargestCopiedFile = 4 * 1024 * 1024;

// Copies source over target without ever leaving a half-written or missing
// target: the bytes go to a temporary file beside the target, which is then
// renamed into place. The source is read only when it is a regular file of
// at most kLargestCopiedFile bytes (never waiting on a FIFO or a device). A
// target that is a link is written through, as the user's own folder may
// link its files elsewhere. On failure the old target is untouched and
// *error (when given) says why.
bool copyFileReplacing(const QString& source, const QString& target, QString* error = nullptr);

// The same into a folder that others may write to (a shared temporary
// folder, a USB stick): a target that is a symbolic link or anything but a
// regular file is refused (`targetRefused` set), and the new file is renamed
// over whatever stands at the name then, never through it.
bool copyFileToSharedPlace(const QString& source, const QString& target, QString* error = nullptr,
                           bool* targetRefused = nullptr);
