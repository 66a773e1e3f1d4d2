#pragma once

#include "platform/session/WindowRaiser.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace platform {

// Records the titles it was asked to raise; finds every window.
class SimWindowRaiser : public WindowRaiser {
 public:
  bool raiseWindow(const QString& title) override {
    QMutexLocker locker(&m_lock);
    m_raised << title;
    return true;
  }
  bool raiseWindowOfClass(const QString& windowClass) override {
    QMutexLocker locker(&m_lock);
    m_raised << QStringLiteral("class:") + windowClass;
    return true;
  }
  // Titles, and "class:" followed by the class for raiseWindowOfClass.
  QStringList raised() const {
    QMutexLocker locker(&m_lock);
    return m_raised;
  }

 private:
  mutable QMutex m_lock;
  QStringList m_raised;
};

}  // namespace platform
