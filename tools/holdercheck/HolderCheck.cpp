#include "tools/holdercheck/HolderCheck.h"

#include "driver/core/PromptService.h"
#include "platform/process/ProcessEnder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

// The probes sit beside the checker; a copy along PATH will do as well.
QString probeProgram(const QString& probeDir, const QString& name) {
  QString program = QStandardPaths::findExecutable(name, {probeDir});
  if (program.isEmpty()) program = QStandardPaths::findExecutable(name);
  return program.isEmpty() ? name : program;
}

}  // namespace

QByteArray HolderCheck::probeOutput(QProcess& process, const QString& probeName) const {
  const QString dir = m_setup.probeDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_setup.probeDir;
  process.start(probeProgram(dir, probeName), {m_setup.moduleName});
  if (!process.waitForFinished(m_setup.probeTimeoutMs) && process.state() != QProcess::NotRunning) {
    // What a hung probe printed still counts, but it must not stay behind
    // (nor keep the process object from starting the next probe).
    process.kill();
    process.waitForFinished();
  }
  return process.readAllStandardOutput();
}

QList<QByteArray> HolderCheck::splitOutput(const QByteArray& output32, const QByteArray& output64,
                                           const QByteArray& ownName) {
  QByteArray joined = output32 + output64;
  if (!ownName.isEmpty()) joined.replace(ownName, QByteArray());
  return joined.split('$');
}

QList<QByteArray> HolderCheck::acceptedNames(const QList<QByteArray>& parts) {
  QList<QByteArray> names;
  for (const QByteArray& part : parts) {
    const int dot = part.lastIndexOf('.');
    if (dot >= 0 && part.mid(dot + 1).contains("exe")) names << part;
  }
  return names;
}

int HolderCheck::endHolders(const QList<QByteArray>& names) const {
  // Each name goes to the kernel as data, never through a shell, and only a
  // process that really maps the library is ended by it.
  const platform::ProcessEnder ender;
  const std::string module = QFile::encodeName(m_setup.moduleName).toStdString();
  int remaining = 0;
  for (const QByteArray& name : names) {
    const platform::ProcessEnder::HolderEnding ending = ender.endHolders(name.toStdString(), module);
    if (ending.failed > 0) {
      qWarning().noquote() << "could not end" << ending.failed << "of the processes named"
                           << QString::fromLocal8Bit(name) << "that hold" << m_setup.moduleName;
    } else if (ending.found == 0) {
      qDebug().noquote() << "no process named" << QString::fromLocal8Bit(name) << "holds" << m_setup.moduleName
                         << "(any more); nothing ended";
    }
    remaining += ending.failed;
  }
  return remaining == 0 ? kGoOn : kHoldersRemain;
}

int HolderCheck::run() {
  QProcess probe;
  const QByteArray output32 = probeOutput(probe, QStringLiteral("holderprobe32"));
  const QByteArray output64 = probeOutput(probe, QStringLiteral("holderprobe64"));
  const QList<QByteArray> parts = splitOutput(output32, output64, QFile::encodeName(m_setup.ownName));
  QStringList shownParts;
  for (const QByteArray& part : parts) shownParts << QString::fromLocal8Bit(part);
  qDebug() << "exeNameList" << shownParts;

  const QList<QByteArray> names = acceptedNames(parts);
  QString progressNames;
  for (const QByteArray& name : names) progressNames += QString::fromLocal8Bit(name) + QLatin1Char('\n');
  qDebug() << "ProgressNames" << progressNames;

  int ret = kGoOn;
  if (!progressNames.isEmpty() && !m_setup.canAsk) {
    std::fprintf(stderr,
                 "holdercheck: these programs hold %s, and without a display there is no asking whether to end "
                 "them:\n%s",
                 m_setup.moduleName.toLocal8Bit().constData(), progressNames.toLocal8Bit().constData());
    ret = kCannotAsk;
  } else if (!progressNames.isEmpty()) {
    PromptService::Prompt prompt;
    prompt.icon = PromptService::Icon::Warning;
    prompt.title = QObject::tr("安装提示");
    prompt.text = QObject::tr("是否结束掉这些占用wintab32.dll的进程，继续安装？\n\n") + progressNames;
    prompt.buttons = PromptService::Prompt::Buttons::YesNo;
    switch (PromptService::ask(prompt)) {
      case PromptService::Answer::Yes:
        ret = endHolders(names);
        probe.close();
        break;
      case PromptService::Answer::No: ret = kAnsweredNo; break;
      default: break;
    }
  }
  qDebug() << "ret" << ret;
  return ret;
}
