// The pen path runs for every report, hundreds of times a second: building,
// mapping and writing a report must not touch the heap.

#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ScreenMapper.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> s_allocations{0};
thread_local bool s_counting = false;
}  // namespace

void* operator new(std::size_t size) {
  if (s_counting) ++s_allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

// A virtual pen that takes every report and keeps nothing.
class DiscardingPen : public platform::PenOutput {
 public:
  bool penReport(const uint8_t*, int) override { return true; }
  bool modeReport(const uint8_t*, int) override { return true; }
};

}  // namespace

TEST(SendPen, AllocatesNothingPerReport) {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  platform::VirtualPen::install(std::make_shared<DiscardingPen>());
  auto mapper = std::make_shared<ScreenMapper>();
  mapper->setDesktopRect(QRectF(0, 0, 1920, 1080));
  mapper->setTabletRect(QRectF(130, 80, 260, 160));
  mapper->setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
  VMulti link(2);
  ASSERT_TRUE(link.isOpen());
  VMultiDigitizer digitizer(&link, mapper, 13000);
  digitizer.setWinLnk(false);

  PenState pen;
  pen.valid = true;
  s_counting = true;
  for (int i = 0; i < 1000; ++i) {
    pen.status = (i % 3) ? 0xA1 : 0xA0;
    pen.code = (i % 3) ? 3 : 2;
    pen.x = i % 260;
    pen.y = i % 160;
    pen.pressure = (i % 100) / 100.0;
    digitizer.setRelativeModel(i % 2);
    digitizer.sendPen(pen);
  }
  s_counting = false;
  EXPECT_EQ(s_allocations.load(), 0);
  platform::VirtualPen::uninstall();
}
