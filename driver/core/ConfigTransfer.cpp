#include "driver/core/ConfigTransfer.h"

#include "driver/core/FileDialogService.h"
#include "driver/core/PromptService.h"
#include "driver/core/SafeFileCopy.h"
#include "driver/core/SettingsFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace ConfigTransfer {

namespace {

void tell(PromptService::Icon icon, const QString& text, const QString& detail = QString()) {
  PromptService::Prompt prompt;
  prompt.icon = icon;
  prompt.title = QCoreApplication::translate("ConfigFile", "提示");
  // The detail names files, which may be anyone's: it goes with the text,
  // which is shown as plain text, never as markup.
  prompt.text = detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail;
  PromptService::ask(prompt);
}

// "<model>_config.ini" is a model's settings file; what the name says before
// the suffix is the model's display name.
QString modelOfFileName(const QString& fileName) {
  static const QLatin1String kSuffix("_config.ini");
  if (!fileName.endsWith(kSuffix) || fileName.size() == kSuffix.size()) return QString();
  return fileName.left(fileName.size() - kSuffix.size());
}

}  // namespace

bool exportSettings(const QString& fileInEffect, const QString& fileName) {
  FileDialogService::Request request;
  request.kind = FileDialogService::Request::Kind::Directory;
  request.caption = QCoreApplication::translate("ConfigFile", "导出配置文件");
  request.directory = QDir::homePath();
  const QString dir = FileDialogService::ask(request);
  if (dir.isEmpty()) return false;

  if (!QFileInfo(fileInEffect).isFile()) {
    qCInfo(lcConfig) << "export: nothing has been stored for this model yet";
    tell(PromptService::Icon::Information, QCoreApplication::translate("ConfigFile", "还没有可导出的设置：当前型号的设置都还是默认值。"));
    return false;
  }
  const QString target = dir + QLatin1Char('/') + fileName;
  QString error;
  bool refused = false;
  if (!copyFileToSharedPlace(fileInEffect, target, &error, &refused)) {
    qCWarning(lcConfig) << "export failed:" << error;
    if (refused)
      tell(PromptService::Icon::Warning, QCoreApplication::translate("ConfigFile", "没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。").arg(target));
    else
      tell(PromptService::Icon::Warning, QCoreApplication::translate("ConfigFile", "无法导出配置文件到 %1。").arg(target), error);
    return false;
  }
  qCInfo(lcConfig) << "settings exported to" << target;
  return true;
}

Imported importSettings(const QString& currentFile) {
  FileDialogService::Request request;
  request.kind = FileDialogService::Request::Kind::Open;
  request.caption = QCoreApplication::translate("ConfigFile", "导入配置文件");
  request.filter = QCoreApplication::translate("ConfigFile", "ini (*.ini)");
  const QString chosen = FileDialogService::ask(request);
  if (chosen.isEmpty()) return {};

  // A file that cannot be read would take the model's settings with it.
  const SettingsFileCheck::Finding found = SettingsFileCheck::inspect(chosen);
  if (!found.usable() || !QFileInfo(chosen).isFile()) {
    const QString why = found.usable() ? QStringLiteral("no such file") : found.reason;
    qCWarning(lcConfig) << "import refused:" << chosen << why;
    if (found.kind == SettingsFileCheck::Finding::Kind::Unreadable || found.usable())
      tell(PromptService::Icon::Warning, QCoreApplication::translate("ConfigFile", "无法导入 %1。").arg(chosen), why);
    else
      tell(PromptService::Icon::Warning, QCoreApplication::translate("ConfigFile", "没有导入 %1：该文件已损坏，不是可读取的配置文件。").arg(chosen));
    return {};
  }

  const QString fileName = QFileInfo(chosen).fileName();
  Imported imported;
  imported.target = QFileInfo(currentFile).absolutePath() + QLatin1Char('/') + fileName;
  QString error;
  if (!copyFileReplacing(chosen, imported.target, &error)) {
    qCWarning(lcConfig) << "import failed:" << error;
    tell(PromptService::Icon::Warning, QCoreApplication::translate("ConfigFile", "无法导入 %1。").arg(chosen), error);
    return {};
  }
  qCInfo(lcConfig) << "settings imported from" << chosen << "to" << imported.target;
  imported.takesEffect = fileName == QFileInfo(currentFile).fileName();
  if (imported.takesEffect) return imported;

  const QString model = modelOfFileName(fileName);
  qCInfo(lcConfig) << "the imported file is not the current model's;" << (model.isEmpty() ? "no model" : model)
                   << "will use it";
  if (model.isEmpty())
    tell(PromptService::Icon::Warning,
         QCoreApplication::translate("ConfigFile", "已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。").arg(fileName));
  else
    tell(PromptService::Icon::Information,
         QCoreApplication::translate("ConfigFile", "已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。").arg(fileName, model));
  return imported;
}

}  // namespace ConfigTransfer
