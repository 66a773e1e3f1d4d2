#pragma once

#include <QString>

// QSettings reads a "@Variant(...)" value by handing its bytes to QDataStream,
// which does not guard against damaged input: a damaged value can ask for an
// allocation of any size, and the std::bad_alloc that follows would end the
// driver every time the file is read. A file is checked once as it comes into
// use. Only content that does not read is damage: such a file (or a folder,
// FIFO or device where the file belongs) is moved aside, kept for the user
// and never deleted. A file that cannot be opened now or is too large is
// left as it is. Either way the caller must not let QSettings read it.
namespace SettingsFileCheck {

struct Finding {
  enum class Kind {
    Usable,      // missing, or a regular file whose every value reads
    Damaged,     // a value QSettings cannot read safely
    NotAFile,    // a folder, FIFO, socket or device (also through a link)
    TooLarge,    // larger than any settings file of ours; not read
    Unreadable,  // could not be opened or read now (permissions, descriptors)
  };
  Kind kind = Kind::Usable;
  // Why the file is not usable, for the log; empty when it is.
  QString reason;

  bool usable() const { return kind == Kind::Usable; }
  // Damage is in the file itself; the other failures say nothing about it.
  bool isDamage() const { return kind == Kind::Damaged || kind == Kind::NotAFile; }
};

// Looks at the file without blocking and without reading more than a
// settings file can hold; never changes it.
Finding inspect(const QString& path);

// Whether the INI file at `path` is missing or reads, without touching it.
bool readable(const QString& path);

// Inspects the file and moves damage to "<path>.damaged" (or
// "<path>.damaged-N"); `setAsidePath` gets where it went (empty when it was
// not moved). Logs what was found and done.
Finding inspectAndSetAside(const QString& path, QString* setAsidePath = nullptr);

// True when the file is usable; false after inspectAndSetAside found it not.
bool readableOrSetAside(const QString& path, QString* setAsidePath = nullptr);

}  // namespace SettingsFileCheck
