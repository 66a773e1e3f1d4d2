#pragma once

#include <functional>
#include <memory>
#include <mutex>

namespace platform {

// The process-wide choice of how a kind of watcher is made: the installed
// factory, else the default one. Each create() makes a new watcher; the
// factory itself is what tests and --simulate replace.
template <typename Watcher>
class WatcherFactory {
 public:
  using Factory = std::function<std::unique_ptr<Watcher>()>;
  explicit WatcherFactory(std::unique_ptr<Watcher> (*makeDefault)()) : m_makeDefault(makeDefault) {}

  std::unique_ptr<Watcher> create() {
    Factory factory;
    {
      std::lock_guard<std::mutex> locker(m_lock);
      factory = m_factory;
    }
    return factory ? factory() : m_makeDefault();
  }

  void install(Factory factory) {
    std::lock_guard<std::mutex> locker(m_lock);
    m_factory = std::move(factory);
  }

 private:
  std::unique_ptr<Watcher> (*m_makeDefault)();
  std::mutex m_lock;
  Factory m_factory;
};

}  // namespace platform
