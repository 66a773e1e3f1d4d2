#include "platform/system/TerminationSignals.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcTermination, "varnex.system.termination")

namespace platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write: the pipe carries the signal number to the
// event loop, which does the rest.
int s_pipe[2] = {-1, -1};
bool s_objectExists = false;

void onSignal(int number) {
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(number);
  // A full pipe already holds a request; losing this one changes nothing.
  [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

bool TerminationSignals::catchEarly() {
  if (s_pipe[0] >= 0) return true;
  if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    qCWarning(lcTermination) << "no pipe for termination signals:" << strerror(errno);
    s_pipe[0] = s_pipe[1] = -1;
    return false;
  }
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) sigaction(number, &action, nullptr);
  return true;
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (!catchEarly()) return;
  if (s_objectExists) {
    qCWarning(lcTermination) << "termination signals are already handled";
    return;
  }
  s_objectExists = true;
  m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
}

TerminationSignals::~TerminationSignals() {
  if (!m_notifier) return;
  // The pipe stays open with the handlers: a handler must never write into
  // a descriptor number that has been given to another file since.
  delete m_notifier;
  m_notifier = nullptr;
  s_objectExists = false;
}

void TerminationSignals::readPending() {
  unsigned char byte = 0;
  int last = 0;
  while (::read(s_pipe[0], &byte, 1) == 1) last = byte;
  if (last == 0) return;
  qCInfo(lcTermination).noquote() << "asked to end by" << strsignal(last);
  emit terminationRequested(last);
}

}  // namespace platform
