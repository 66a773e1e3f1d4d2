#include "platform/system/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

RegularFileRead failure(RegularFileRead::Status status, const QString& error) {
  RegularFileRead result;
  result.status = status;
  result.error = error;
  return result;
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

RegularFileRead readRegularFile(const QByteArray& nativePath, qint64 maxBytes) {
  if (nativePath.isEmpty() || nativePath.contains('\0'))
    return failure(RegularFileRead::Status::Missing, QStringLiteral("no file name"));
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    return failure(
        error == ENOENT || error == ENOTDIR ? RegularFileRead::Status::Missing : RegularFileRead::Status::Unreadable,
        systemError(error));
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    const int error = errno;
    close(fd);
    return failure(RegularFileRead::Status::Unreadable, systemError(error));
  }
  if (!S_ISREG(info.st_mode)) {
    close(fd);
    return failure(RegularFileRead::Status::NotAFile,
                   S_ISDIR(info.st_mode) ? QStringLiteral("is a directory, not a file")
                                         : QStringLiteral("is not a regular file (a FIFO, socket or device)"));
  }
  if (info.st_size > maxBytes) {
    close(fd);
    return failure(RegularFileRead::Status::TooLarge,
                   QStringLiteral("%1 bytes, larger than %2 bytes").arg(info.st_size).arg(maxBytes));
  }

  RegularFileRead result;
  // One byte more than the limit shows a file that grew since fstat.
  result.bytes.resize(int(maxBytes) + 1);
  qint64 got = 0;
  while (got < result.bytes.size()) {
    const ssize_t n = read(fd, result.bytes.data() + got, size_t(result.bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      close(fd);
      return failure(RegularFileRead::Status::Unreadable, systemError(error));
    }
    if (n == 0) break;
    got += n;
  }
  close(fd);
  if (got > maxBytes) {
    return failure(RegularFileRead::Status::TooLarge, QStringLiteral("larger than %1 bytes").arg(maxBytes));
  }
  result.bytes.resize(int(got));
  result.status = RegularFileRead::Status::Read;
  return result;
}

}  // namespace platform
