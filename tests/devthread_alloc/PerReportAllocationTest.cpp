// The device loop handles every report of the tablet, hundreds a second: from
// the read to the pen report written, it must not touch the heap. This
// program counts the allocations made on the worker thread while it runs.
//
// In a plain build every malloc is counted (Qt's containers allocate with
// malloc, not operator new); a sanitizer owns malloc, so there only operator
// new is counted.

#include "../devthread/DeviceRig.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VARNEX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VARNEX_SANITIZED 1
#endif
#endif

namespace {
std::atomic<bool> s_counting{false};
std::atomic<pthread_t> s_worker{};
std::atomic<long> s_allocations{0};

void noteAllocation() {
  if (s_counting.load(std::memory_order_relaxed) && pthread_equal(pthread_self(), s_worker.load())) ++s_allocations;
}
}  // namespace

#ifndef VARNEX_SANITIZED
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);

void* malloc(size_t size) {
  noteAllocation();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  noteAllocation();
  return __libc_calloc(count, size);
}
void* realloc(void* memory, size_t size) {
  noteAllocation();
  return __libc_realloc(memory, size);
}
void* memalign(size_t alignment, size_t size) {
  noteAllocation();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
  noteAllocation();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, size_t alignment, size_t size) {
  noteAllocation();
  *out = __libc_memalign(alignment, size);
  return *out ? 0 : 12;  // ENOMEM
}
}
#else
void* operator new(std::size_t size) {
  noteAllocation();
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#endif

namespace {

class CountingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override {
    ++reports;
    return true;
  }
  bool modeReport(const uint8_t*, int) override { return true; }
  std::atomic<int> reports{0};
};

TEST(PerReportAllocation, AbsoluteModeLoopAllocatesNothing) {
  DeviceRig rig(MyQmlEnum::CFG_VarnexK10PlusV2);
  auto pen = std::make_shared<CountingPen>();
  platform::VirtualPen::install(pen);
  ConfigFile::instance()->setRectSize(MyQmlEnum::MaxVirtualTablet, QRect(0, 0, 300, 168));
  DevOperateThread thread;
  ASSERT_TRUE(rig.start(thread));
  QRect screen(0, 0, 1920, 1080);
  thread.setMapperArea(screen, screen);
  thread.setRelativeModel(false);
  // Learns which thread the worker is; adds nothing to the heap itself.
  QObject::connect(&thread, &DevOperateThread::s_penInfo, &thread,
                   [&] { s_worker = pthread_self(); }, Qt::DirectConnection);

  std::vector<QByteArray> reports;
  for (int i = 0; i < 1000; ++i) reports.push_back(rig.hover(1000 + 20 * i, 900 + 10 * i, i * 8, i % 3 ? 0xA1 : 0xA0));

  // Warm-up: whatever is made once (tables, the first report) is made now.
  for (int i = 0; i < 50; ++i) rig.tablet->pushInput(reports[i]);
  ASSERT_TRUE(rig.settle());
  ASSERT_TRUE(pthread_equal(s_worker.load(), pthread_t{}) == 0);
  const int before = pen->reports;

  s_allocations = 0;
  s_counting = true;
  for (const QByteArray& report : reports) rig.tablet->pushInput(report);
  ASSERT_TRUE(rig.settle());
  s_counting = false;

  EXPECT_EQ(pen->reports - before, 1000);
  EXPECT_EQ(s_allocations.load(), 0) << "allocations on the device thread during 1000 reports";
  thread.endReadingDev();
}

}  // namespace
