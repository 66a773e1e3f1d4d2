#include "driver/core/PromptService.h"

#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex s_lock;
PromptService::Handler s_handler;

PromptService::Answer showBox(const PromptService::Prompt& prompt) {
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (prompt.icon) {
    case PromptService::Icon::Information: icon = QMessageBox::Information; break;
    case PromptService::Icon::Warning: icon = QMessageBox::Warning; break;
    case PromptService::Icon::Critical: icon = QMessageBox::Critical; break;
    case PromptService::Icon::Question: icon = QMessageBox::Question; break;
  }
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  if (prompt.buttons == PromptService::Prompt::Buttons::OkCancel) buttons = QMessageBox::Ok | QMessageBox::Cancel;
  if (prompt.buttons == PromptService::Prompt::Buttons::YesNo) buttons = QMessageBox::Yes | QMessageBox::No;
  QMessageBox box(icon, prompt.title, prompt.text, buttons);
  // The text may carry names from outside (programs, files, processes):
  // shown as they are, never read as markup. The informative text is ours
  // and may hold a link.
  box.setTextFormat(Qt::PlainText);
  if (!prompt.informativeText.isEmpty()) box.setInformativeText(prompt.informativeText);
  switch (box.exec()) {
    case QMessageBox::Ok: return PromptService::Answer::Ok;
    case QMessageBox::Yes: return PromptService::Answer::Yes;
    case QMessageBox::No: return PromptService::Answer::No;
    default: return PromptService::Answer::Cancel;
  }
}
}  // namespace

PromptService::Answer PromptService::ask(const Prompt& prompt) {
  Handler handler;
  {
    QMutexLocker locker(&s_lock);
    handler = s_handler;
  }
  return handler ? handler(prompt) : showBox(prompt);
}

void PromptService::setHandler(Handler handler) {
  QMutexLocker locker(&s_lock);
  s_handler = std::move(handler);
}
