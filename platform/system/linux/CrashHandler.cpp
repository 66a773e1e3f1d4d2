#include "platform/system/CrashHandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Everything the handler touches is prepared at install time and kept in
// plain static storage.
char g_dumpPath[4096];
char g_dumpDir[4096];
char g_title[256];

const struct {
  int number;
  const char* name;
} kFatalSignals[] = {{SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGFPE, "SIGFPE"}, {SIGILL, "SIGILL"},
                     {SIGABRT, "SIGABRT"}};

constexpr int kMaxFrames = 64;
// A crash from a stack overflow leaves no stack to run on, so the handler has
// its own. Fixed size: SIGSTKSZ is not a constant on newer C libraries.
constexpr size_t kAltStackSize = 256 * 1024;

// Async-signal-safe output: plain write(2) loops and hand-made number formatting.
void writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    data += written;
    size -= static_cast<size_t>(written);
  }
}

void writeText(int fd, const char* text) { writeAll(fd, text, strlen(text)); }

void writeDecimal(int fd, long long value) {
  char buffer[24];
  char* end = buffer + sizeof buffer;
  char* p = end;
  const bool negative = value < 0;
  unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value) : value;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) *--p = '-';
  writeAll(fd, p, static_cast<size_t>(end - p));
}

void writeHex(int fd, uintptr_t value) {
  char buffer[2 + 2 * sizeof value];
  buffer[0] = '0';
  buffer[1] = 'x';
  for (size_t i = 0; i < 2 * sizeof value; ++i) {
    const unsigned digit = (value >> (4 * (2 * sizeof value - 1 - i))) & 0xf;
    buffer[2 + i] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
  }
  writeAll(fd, buffer, sizeof buffer);
}

const char* signalName(int number) {
  for (const auto& fatal : kFatalSignals)
    if (fatal.number == number) return fatal.name;
  return "?";
}

uintptr_t instructionPointer(const void* context) {
  const auto* uc = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
  return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
  return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
  return static_cast<uintptr_t>(uc->uc_mcontext.pc);
#else
  (void)uc;
  return 0;
#endif
}

void copyFile(int to, const char* path) {
  const int from = open(path, O_RDONLY | O_CLOEXEC);
  if (from < 0) return;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    writeAll(to, buffer, static_cast<size_t>(got));
  }
  close(from);
}

void writeDump(int fd, int number, const siginfo_t* info, const void* context) {
  writeText(fd, g_title);
  writeText(fd, "\nsignal: ");
  writeDecimal(fd, number);
  writeText(fd, " (");
  writeText(fd, signalName(number));
  writeText(fd, ")\ncode: ");
  writeDecimal(fd, info->si_code);
  // For faults the address is where it happened; for a signal sent by a
  // process (abort, kill) the sender is more telling.
  if (info->si_code > 0) {
    writeText(fd, "\naddress: ");
    writeHex(fd, reinterpret_cast<uintptr_t>(info->si_addr));
  } else {
    writeText(fd, "\nsent by pid: ");
    writeDecimal(fd, info->si_pid);
  }
  writeText(fd, "\ninstruction: ");
  writeHex(fd, instructionPointer(context));
  writeText(fd, "\npid: ");
  writeDecimal(fd, getpid());
  writeText(fd, "\nthread: ");
  writeDecimal(fd, static_cast<long long>(syscall(SYS_gettid)));
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  writeText(fd, "\ntime: ");
  writeDecimal(fd, static_cast<long long>(now.tv_sec));
  writeText(fd, "\n\nbacktrace:\n");
  void* frames[kMaxFrames];
  const int depth = backtrace(frames, kMaxFrames);
  backtrace_symbols_fd(frames, depth, fd);
  writeText(fd, "\nmemory map:\n");
  copyFile(fd, "/proc/self/maps");
}

// "<dump path>.<pid>-<attempt>", built by hand: nothing here may allocate.
bool freshName(char* name, size_t size, int attempt) {
  const size_t base = strlen(g_dumpPath);
  char digits[48];
  char* end = digits + sizeof digits;
  char* p = end;
  unsigned long long value = static_cast<unsigned long long>(attempt);
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  *--p = '-';
  value = static_cast<unsigned long long>(getpid());
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  *--p = '.';
  const size_t suffix = static_cast<size_t>(end - p);
  if (base + suffix + 1 > size) return false;
  memcpy(name, g_dumpPath, base);
  memcpy(name + base, p, suffix);
  name[base + suffix] = '\0';
  return true;
}

// The dump is written to a name of its own, created here and now (never a
// file or link that someone left there: O_EXCL with O_NOFOLLOW refuses both),
// then renamed over the dump's path. rename() replaces a link planted at that
// path instead of writing through it to the link's target.
void writeDumpFile(int number, const siginfo_t* info, const void* context) {
  char fresh[sizeof g_dumpPath + 48];
  for (int attempt = 0; attempt < 16; ++attempt) {
    if (!freshName(fresh, sizeof fresh, attempt)) return;
    const int fd = open(fresh, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST || errno == ELOOP) continue;
      return;
    }
    writeDump(fd, number, info, context);
    close(fd);
    if (rename(fresh, g_dumpPath) != 0) unlink(fresh);
    return;
  }
}

void onFatalSignal(int number, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  mkdir(g_dumpDir, 0700);  // in case it went away since start
  writeDumpFile(number, info, context);
  errno = savedErrno;
  // SA_RESETHAND has restored the default action. A fault re-executes and
  // dies by it on return; a sent signal (abort, kill) must be raised again.
  // It stays blocked until the handler returns.
  raise(number);
}

// The calling thread's signal stack, handed back when the thread ends. A
// thread that already has one (a sanitizer gives every thread its own) keeps
// it, and then nothing is handed back.
class ThreadSignalStack {
 public:
  ThreadSignalStack() {
    stack_t current{};
    if (sigaltstack(nullptr, &current) != 0 || !(current.ss_flags & SS_DISABLE)) return;
    m_memory = new char[kAltStackSize];
    stack_t stack{};
    stack.ss_sp = m_memory;
    stack.ss_size = kAltStackSize;
    if (sigaltstack(&stack, nullptr) != 0) {
      delete[] m_memory;
      m_memory = nullptr;
    }
  }
  ~ThreadSignalStack() {
    if (!m_memory) return;
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    sigaltstack(&off, nullptr);
    delete[] m_memory;
  }
  ThreadSignalStack(const ThreadSignalStack&) = delete;
  ThreadSignalStack& operator=(const ThreadSignalStack&) = delete;

 private:
  char* m_memory = nullptr;
};

bool copyPath(char* to, size_t size, const QByteArray& from) {
  if (from.isEmpty() || static_cast<size_t>(from.size()) >= size) return false;
  memcpy(to, from.constData(), static_cast<size_t>(from.size()) + 1);
  return true;
}

}  // namespace

bool CrashHandler::install() {
  return install(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                 QCoreApplication::applicationName());
}

bool CrashHandler::install(const QString& directory, const QString& applicationName) {
  if (directory.isEmpty() || applicationName.isEmpty()) return false;
  QDir().mkpath(directory);
  const QString dir = QDir::cleanPath(directory);
  if (!copyPath(g_dumpDir, sizeof g_dumpDir, QFile::encodeName(dir)) ||
      !copyPath(g_dumpPath, sizeof g_dumpPath, QFile::encodeName(dir + "/" + applicationName + ".dmp")))
    return false;
  copyPath(g_title, sizeof g_title, (applicationName + " crash report").toUtf8().left(sizeof g_title - 1));

  // The first backtrace() loads the unwinder, which allocates; do it now
  // rather than inside the handler.
  void* warmUp[2];
  backtrace(warmUp, 2);

  prepareThread();

  struct sigaction action {};
  action.sa_sigaction = onFatalSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  bool installed = true;
  for (const auto& fatal : kFatalSignals) installed = sigaction(fatal.number, &action, nullptr) == 0 && installed;
  return installed;
}

void CrashHandler::prepareThread() { thread_local ThreadSignalStack stack; }

QString CrashHandler::dumpPath() { return QFile::decodeName(g_dumpPath); }
