#include "platform/display/sim/SimDisplayOutputs.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSimDisplay, "varnex.display.sim")

namespace platform {

void SimDisplayOutputs::setOutputs(QVector<DisplayOutput> outputs) {
  QMutexLocker locker(&m_lock);
  m_outputs = std::move(outputs);
}

void SimDisplayOutputs::refuseSize(QSize size) {
  QMutexLocker locker(&m_lock);
  m_refusedSizes << size;
}

QVector<SimDisplayOutputs::ModeChange> SimDisplayOutputs::modeChanges() const {
  QMutexLocker locker(&m_lock);
  return m_changes;
}

QVector<DisplayOutput> SimDisplayOutputs::outputs() {
  QMutexLocker locker(&m_lock);
  return m_outputs;
}

int SimDisplayOutputs::setMode(const QString& outputName, int orientation, QSize size) {
  QMutexLocker locker(&m_lock);
  int result = DisplayChangeBadParam;
  for (DisplayOutput& output : m_outputs) {
    if (output.name != outputName) continue;
    if (orientation < 0 || orientation > 3 || m_refusedSizes.contains(size) || size.isEmpty()) {
      result = DisplayChangeBadMode;
    } else {
      output.orientation = orientation;
      output.modeSize = size;
      output.rect.setSize(size);
      result = DisplayChangeSuccessful;
    }
    break;
  }
  m_changes.push_back({outputName, orientation, size, result});
  qCDebug(lcSimDisplay) << "mode" << outputName << orientation << size << "->" << result;
  return result;
}

QVector<DisplayOutput> SimDisplayOutputs::singleScreenDesk() {
  DisplayOutput output;
  output.name = QStringLiteral("SIM-1");
  output.rect = QRect(0, 0, 1920, 1080);
  output.modeSize = QSize(1920, 1080);
  return {output};
}

}  // namespace platform
