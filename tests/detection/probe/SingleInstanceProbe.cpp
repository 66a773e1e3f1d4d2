// Starts the way the driver starts as far as the single instance goes, and
// says on standard output what happened:
//   "second"                 another instance runs; exits 0 at once
//   "first"                  this one holds the instance
//   "lock PATH"              where its lock is (right after "first")
//   "unavailable"            the instance cannot be taken; exits 3
//   "published"              its hand-over point is open
//   "received DWDATA HEX"    a later start's message arrived
// Standard input takes commands, one per line: "publish" (when started with
// --late-publish), "spawn" (starts a long-lived child program and prints
// "child PID"), "quit".

#include "platform/session/SingleInstance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <unistd.h>
#include <cstdio>
#include <cstring>

namespace {
void say(const QByteArray& line) {
  fputs(line.constData(), stdout);
  fputc('\n', stdout);
  fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  const bool latePublish = argc > 1 && strcmp(argv[1], "--late-publish") == 0;
  platform::SingleInstance instance(QStringLiteral("VarnexProbe"));
  switch (instance.claim()) {
    case platform::SingleInstance::Claim::First: break;
    case platform::SingleInstance::Claim::Second: say("second"); return 0;
    case platform::SingleInstance::Claim::Unavailable: say("unavailable"); return 3;
  }
  QCoreApplication app(argc, argv);
  say("first");
  say("lock " + instance.lockPath().toLocal8Bit());

  auto publish = [&instance] {
    instance.publish([](quint32 dwData, const QByteArray& data) {
      say("received " + QByteArray::number(dwData) + " " + data.toHex());
      return dwData == 10086;
    });
    say("published");
  };
  if (!latePublish) publish();

  QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&commands, &QSocketNotifier::activated, [&] {
    char line[64] = {};
    const ssize_t got = read(STDIN_FILENO, line, sizeof(line) - 1);
    if (got <= 0 || strncmp(line, "quit", 4) == 0) {
      app.quit();
    } else if (strncmp(line, "publish", 7) == 0) {
      publish();
    } else if (strncmp(line, "spawn", 5) == 0) {
      qint64 pid = 0;
      QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("60")}, QString(), &pid);
      say("child " + QByteArray::number(pid));
    }
  });
  return app.exec();
}
