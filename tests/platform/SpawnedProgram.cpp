#include "SpawnedProgram.h"

#include <QFile>
#include <QStandardPaths>

#include <spawn.h>
#include <sys/wait.h>
#include <csignal>

SpawnedProgram::SpawnedProgram(const QString& exePath, const QString& firstArgument) {
  const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
  if (sleep.isEmpty() || !QFile::copy(sleep, exePath)) return;
  QFile::setPermissions(exePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QByteArray exe = QFile::encodeName(exePath);
  QByteArray first = firstArgument.toUtf8();
  QByteArray seconds("60");
  char* argv[] = {first.data(), seconds.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, exe.constData(), nullptr, nullptr, argv, environ) == 0) m_pid = pid;
}

SpawnedProgram::~SpawnedProgram() {
  if (m_pid <= 0) return;
  kill(m_pid, SIGKILL);
  int status = 0;
  waitpid(m_pid, &status, 0);
}
