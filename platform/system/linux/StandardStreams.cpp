#include "platform/system/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

bool occupyIfClosed(int fd, int flags) {
  if (fcntl(fd, F_GETFD) != -1) return false;
  // open() returns the lowest free number, which is fd when it is closed.
  const int opened = open("/dev/null", flags | O_CLOEXEC);
  if (opened >= 0 && opened != fd) {
    dup2(opened, fd);
    close(opened);
  }
  if (opened >= 0) fcntl(fd, F_SETFD, 0);  // inherited by children as a stream would be
  return true;
}

}  // namespace

ClosedStandardStreams occupyClosedStandardStreams() {
  ClosedStandardStreams closed;
  closed.input = occupyIfClosed(STDIN_FILENO, O_RDONLY);
  closed.output = occupyIfClosed(STDOUT_FILENO, O_WRONLY);
  closed.error = occupyIfClosed(STDERR_FILENO, O_WRONLY);
  return closed;
}

}  // namespace platform
