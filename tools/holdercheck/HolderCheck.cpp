#include "tools/holdercheck/HolderCheck.h"

#include "driver/core/PromptService.h"
#include "platform/process/ProcessEnder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The probes sit beside the checker; a copy along PATH will do as well.
QString probeProgram(const QString& probeDir, const QString& name) {
  QString program = QStandardPaths::findExecutable(name, {probeDir});
  if (program.isEmpty()) program = QStandardPaths::findExecutable(name);
  return program.isEmpty() ? name : program;
}

}  // namespace

QString HolderCheck::probeOutput(QProcess& process, const QString& probeName) const {
  const QString dir = m_setup.probeDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_setup.probeDir;
  process.start(probeProgram(dir, probeName), {m_setup.moduleName});
  if (!process.waitForFinished(m_setup.probeTimeoutMs) && process.state() != QProcess::NotRunning) {
    // What a hung probe printed still counts, but it must not stay behind
    // (nor keep the process object from starting the next probe).
    process.kill();
    process.waitForFinished();
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList HolderCheck::splitOutput(const QString& output32, const QString& output64, const QString& ownName) {
  QString joined = output32 + output64;
  if (!ownName.isEmpty()) joined.remove(ownName, Qt::CaseSensitive);
  return joined.split(QLatin1Char('$'), Qt::KeepEmptyParts);
}

QStringList HolderCheck::acceptedNames(const QStringList& parts) {
  QStringList names;
  for (const QString& part : parts) {
    const int dot = part.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && part.mid(dot + 1).contains(QLatin1String("exe"), Qt::CaseSensitive)) names << part;
  }
  return names;
}

int HolderCheck::run() {
  QProcess probe;
  const QString output32 = probeOutput(probe, QStringLiteral("holderprobe32"));
  const QString output64 = probeOutput(probe, QStringLiteral("holderprobe64"));
  const QStringList parts = splitOutput(output32, output64, m_setup.ownName);
  qDebug() << "exeNameList" << parts;

  const QStringList names = acceptedNames(parts);
  QString progressNames;
  for (const QString& name : names) progressNames += name + QLatin1Char('\n');
  qDebug() << "ProgressNames" << progressNames;

  int ret = 0;
  if (!progressNames.isEmpty()) {
    PromptService::Prompt prompt;
    prompt.icon = PromptService::Icon::Warning;
    prompt.title = QObject::tr("安装提示");
    prompt.text = QObject::tr("是否结束掉这些占用wintab32.dll的进程，继续安装？\n\n") + progressNames;
    prompt.buttons = PromptService::Prompt::Buttons::YesNo;
    switch (PromptService::ask(prompt)) {
      case PromptService::Answer::Yes: {
        // Each name goes to the kernel as data, never through a shell.
        const platform::ProcessEnder ender;
        for (const QString& name : names) ender.endAllNamed(name.toLocal8Bit().toStdString());
        probe.close();
        break;
      }
      case PromptService::Answer::No: ret = 1; break;
      default: break;
    }
  }
  qDebug() << "ret" << ret;
  return ret;
}
