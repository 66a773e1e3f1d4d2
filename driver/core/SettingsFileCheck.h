#pragma once

#include <QString>

// QSettings reads a "@Variant(...)" value by handing its bytes to QDataStream,
// which does not guard against damaged input: a damaged value can ask for an
// allocation of any size, and the std::bad_alloc that follows would end the
// driver every time the file is read. A file is checked once as it comes into
// use; one that cannot be read is moved aside, kept for the user and never
// deleted, and the settings start again from their defaults.
namespace SettingsFileCheck {

// True when the INI file at `path` is missing or reads; false when it could
// not be read, after moving it to "<path>.damaged" (or "<path>.damaged-N").
// `setAsidePath` gets where it went (empty when it could not be moved).
bool readableOrSetAside(const QString& path, QString* setAsidePath = nullptr);

// Whether the INI file at `path` reads, without touching it.
bool readable(const QString& path);

}  // namespace SettingsFileCheck
