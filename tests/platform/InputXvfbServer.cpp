#include "InputXvfbServer.h"

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

InputXvfbServer::InputXvfbServer(const char* screen) {
  int fds[2];
  if (pipe(fds) != 0) return;
  m_pid = fork();
  if (m_pid == 0) {
    close(fds[0]);
    // The server must not hold the test's output open: whoever reads it
    // (ctest, a pipe) would wait for the server as well.
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      close(null);
    }
    char fd[16];
    std::snprintf(fd, sizeof fd, "%d", fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd, "-screen", "0", screen, "-nolisten", "tcp", "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  if (m_pid < 0) {
    close(fds[0]);
    return;
  }
  // The server writes its display number once it accepts clients.
  QByteArray number;
  pollfd wait{fds[0], POLLIN, 0};
  while (poll(&wait, 1, 15000) > 0) {
    char chunk[16];
    const ssize_t got = read(fds[0], chunk, sizeof chunk);
    if (got <= 0) break;
    number.append(chunk, int(got));
    if (number.contains('\n')) break;
  }
  close(fds[0]);
  number = number.trimmed();
  if (!number.isEmpty()) m_display = ":" + number;
}

InputXvfbServer::~InputXvfbServer() {
  if (m_pid > 0) {
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
  }
}
