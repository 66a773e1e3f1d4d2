#include "driver/core/SettingsNotice.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/PromptService.h"

#include <QMetaObject>

SettingsNotice::SettingsNotice(ConfigFile* store, QObject* parent) : QObject(parent) {
  connect(store, &ConfigFile::settingsHeldInMemory, this, &SettingsNotice::tell, Qt::QueuedConnection);
  connect(store, &ConfigFile::settingsFileSetAside, this, &SettingsNotice::tellSetAside, Qt::QueuedConnection);
  // Files found before this object existed (the first file is checked as the
  // store is made) are told once the event loop runs, after the window.
  for (const auto& held : store->heldSettingsFiles()) {
    const QString path = held.first;
    const bool unreadable = held.second;
    QMetaObject::invokeMethod(this, [this, path, unreadable] { tell(path, unreadable); }, Qt::QueuedConnection);
  }
  for (const auto& aside : store->setAsideSettingsFiles()) {
    const QString path = aside.first;
    const QString keptAs = aside.second;
    QMetaObject::invokeMethod(this, [this, path, keptAs] { tellSetAside(path, keptAs); }, Qt::QueuedConnection);
  }
}

void SettingsNotice::tell(const QString& path, bool unreadable) {
  if (m_told.contains(path)) return;
  m_told.insert(path);
  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Warning;
  prompt.title = tr("提示");
  prompt.text = unreadable ? tr("无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。").arg(path)
                           : tr("无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。").arg(path);
  PromptService::ask(prompt);
}

void SettingsNotice::tellSetAside(const QString& path, const QString& keptAs) {
  // Each damaged file is kept under a name of its own, so each is told.
  if (m_told.contains(keptAs)) return;
  m_told.insert(keptAs);
  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Warning;
  prompt.title = tr("提示");
  prompt.text = tr("设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。").arg(path, keptAs);
  PromptService::ask(prompt);
}
