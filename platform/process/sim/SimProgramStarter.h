#pragma once

#include "platform/process/ProgramStarter.h"

#include <QMutex>
#include <QMutexLocker>

namespace platform {

// Records the paths it was asked to start and starts nothing.
class SimProgramStarter : public ProgramStarter {
 public:
  bool startDetached(const QString& path) override {
    QMutexLocker locker(&m_lock);
    m_started << path;
    return !path.isEmpty();
  }
  QStringList started() const {
    QMutexLocker locker(&m_lock);
    return m_started;
  }

 private:
  mutable QMutex m_lock;
  QStringList m_started;
};

}  // namespace platform
