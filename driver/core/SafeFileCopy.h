#pragma once

#include <QString>

// Copies source over target without ever leaving a half-written or missing
// target: the bytes go to a temporary file beside the target, which is then
// renamed into place. On failure the old target is untouched and *error (when
// given) says why.
bool copyFileReplacing(const QString& source, const QString& target, QString* error = nullptr);
