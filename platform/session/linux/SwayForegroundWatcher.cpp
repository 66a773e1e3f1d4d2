#include "platform/session/linux/SwayForegroundWatcher.h"

#include "platform/desktop/linux/SwayIpc.h"
#include "platform/session/linux/AppIdProgram.h"

#include <QJsonArray>
#include <QJsonObject>

namespace platform {

namespace {

// The focused window below `node`; an empty object when the focus is on a
// workspace or output with no window.
QJsonObject focusedWindow(const QJsonObject& node, int depth = 0) {
  // Real trees are a handful of levels deep; a deeper one is not sway's.
  if (depth > 64) return {};
  const QString type = node.value("type").toString();
  if (node.value("focused").toBool() && (type == QLatin1String("con") || type == QLatin1String("floating_con")))
    return node;
  for (const char* children : {"nodes", "floating_nodes"}) {
    for (const QJsonValue& child : node.value(QLatin1String(children)).toArray()) {
      const QJsonObject found = focusedWindow(child.toObject(), depth + 1);
      if (!found.isEmpty()) return found;
    }
  }
  return {};
}

}  // namespace

SwayForegroundWatcher::SwayForegroundWatcher(QString socketPath, std::string procRoot)
    : m_socketPath(std::move(socketPath)), m_procRoot(std::move(procRoot)) {}

bool SwayForegroundWatcher::isWatching() const { return SwayIpc(m_socketPath).isAvailable(); }

quint64 SwayForegroundWatcher::activeWindow() {
  const QJsonObject window = focusedWindow(SwayIpc(m_socketPath).request(SwayIpc::GetTree).object());
  const qint64 id = window.value("id").toVariant().toLongLong();
  if (window.isEmpty() || id <= 0) return 0;
  m_window = quint64(id);
  m_pid = window.value("pid").toInt();
  m_appId = window.value("app_id").toString();
  return m_window;
}

QString SwayForegroundWatcher::programOf(quint64 window) {
  if (window == 0 || window != m_window) return QString();
  return programOfWindow(m_procRoot, m_pid, m_appId);
}

}  // namespace platform
