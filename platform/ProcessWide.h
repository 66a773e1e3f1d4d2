#pragma once

#include <memory>
#include <mutex>

namespace platform {

// The one replaceable instance of a service for the whole process (the input
// injector, the program starter, ...): made by `make` on first use, replaced
// by tests and --simulate through install(). Installing null makes the next
// get() create the default again.
template <typename T>
class ProcessWide {
 public:
  using Factory = std::unique_ptr<T> (*)();
  explicit ProcessWide(Factory make) : m_make(make) {}

  T& get() {
    std::lock_guard<std::mutex> locker(m_lock);
    if (!m_instance) m_instance = m_make();
    return *m_instance;
  }

  void install(std::unique_ptr<T> instance) {
    std::lock_guard<std::mutex> locker(m_lock);
    m_instance = std::move(instance);
  }

 private:
  Factory m_make;
  std::mutex m_lock;
  std::unique_ptr<T> m_instance;
};

}  // namespace platform
