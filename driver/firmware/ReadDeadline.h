#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Bounds a blocking read: unless it is destroyed within `timeoutMs`, it calls
// `cancel` from a thread of its own, which wakes the read. A tablet that
// stops answering then costs a few seconds instead of freezing the program.
class ReadDeadline {
 public:
  ReadDeadline(int timeoutMs, std::function<void()> cancel);
  ~ReadDeadline();

  ReadDeadline(const ReadDeadline&) = delete;
  ReadDeadline& operator=(const ReadDeadline&) = delete;

  // True once the time ran out and the read was cancelled.
  bool expired() const;

 private:
  mutable std::mutex m_lock;
  std::condition_variable m_wake;
  bool m_done = false;
  bool m_expired = false;
  std::thread m_watch;
};
