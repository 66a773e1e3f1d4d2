#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Reads a file that the user names (a firmware image) as a file: never
// blocks on a FIFO or a device, never reads more than the caller can use,
// and says why when it cannot.
struct RegularFileRead {
  enum class Status {
    Read,        // bytes hold the whole file
    Missing,     // no such file
    NotAFile,    // a directory, FIFO, socket or device (also through a link)
    TooLarge,    // larger than the caller's limit; nothing read
    Unreadable,  // no permission, or a read error
  };
  Status status = Status::Unreadable;
  QByteArray bytes;
  QString error;  // one line for the user when status is not Read
};

// nativePath is the name's bytes as the system gives them (a name need not
// be valid in any encoding).
RegularFileRead readRegularFile(const QByteArray& nativePath, qint64 maxBytes);

}  // namespace platform
