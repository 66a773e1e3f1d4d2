#include "driver/firmware/ReadDeadline.h"

#include <chrono>

ReadDeadline::ReadDeadline(int timeoutMs, std::function<void()> cancel) {
  m_watch = std::thread([this, timeoutMs, cancel = std::move(cancel)] {
    std::unique_lock<std::mutex> locker(m_lock);
    if (m_wake.wait_for(locker, std::chrono::milliseconds(timeoutMs), [this] { return m_done; })) return;
    m_expired = true;
    cancel();
  });
}

ReadDeadline::~ReadDeadline() {
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_done = true;
  }
  m_wake.notify_all();
  m_watch.join();
}

bool ReadDeadline::expired() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_expired;
}
