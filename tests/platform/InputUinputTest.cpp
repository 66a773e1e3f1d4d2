// The uinput keyboard-and-mouse down to the bytes: the injector writes into a
// pipe through the same descriptor sink the uinput device uses, and the test
// reads back the `struct input_event`s.

#include "platform/input/linux/EvdevSink.h"
#include "platform/input/linux/UinputInputInjector.h"
#include "platform/input/linux/VirtualKeyMap.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <unistd.h>

#include <vector>

using platform::EvdevEvent;
using platform::KeyStroke;
using platform::MouseButton;

namespace {

class UinputInjectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pipe2(m_pipe, O_NONBLOCK), 0);
    m_injector = std::make_unique<platform::UinputInputInjector>(std::make_unique<platform::EvdevFdSink>(m_pipe[1]));
  }
  void TearDown() override {
    m_injector.reset();
    close(m_pipe[0]);
    close(m_pipe[1]);
  }

  // Everything written so far, checked to be whole input_event records with a
  // zero time stamp (the kernel stamps uinput events itself).
  std::vector<EvdevEvent> written() {
    std::vector<EvdevEvent> events;
    input_event raw;
    ssize_t got;
    while ((got = read(m_pipe[0], &raw, sizeof raw)) > 0) {
      EXPECT_EQ(got, ssize_t(sizeof raw));
      EXPECT_EQ(raw.input_event_sec, 0);
      EXPECT_EQ(raw.input_event_usec, 0);
      events.push_back({raw.type, raw.code, raw.value});
    }
    return events;
  }

  int m_pipe[2] = {-1, -1};
  std::unique_ptr<platform::UinputInputInjector> m_injector;
};

const EvdevEvent kSyn{EV_SYN, SYN_REPORT, 0};

}  // namespace

TEST_F(UinputInjectorTest, ShortcutGoesOutOneKeyPerFrameInOrder) {
  const KeyStroke ctrlZ[] = {{0x11, true}, {0x5A, true}, {0x11, false}, {0x5A, false}};
  m_injector->sendKeys(ctrlZ, 4);
  const std::vector<EvdevEvent> expected = {{EV_KEY, KEY_LEFTCTRL, 1}, kSyn, {EV_KEY, KEY_Z, 1}, kSyn,
                                            {EV_KEY, KEY_LEFTCTRL, 0}, kSyn, {EV_KEY, KEY_Z, 0}, kSyn};
  EXPECT_EQ(written(), expected);
}

TEST_F(UinputInjectorTest, CodeWithoutKeyIsSkippedAndTheRestStillSent) {
  const KeyStroke strokes[] = {{0xFF, true}, {0xDD, true}};
  m_injector->sendKeys(strokes, 2);
  const std::vector<EvdevEvent> expected = {{EV_KEY, KEY_RIGHTBRACE, 1}, kSyn};
  EXPECT_EQ(written(), expected);
}

TEST_F(UinputInjectorTest, ButtonsAndWheelNotches) {
  m_injector->sendMouseButton(MouseButton::Left, true);
  m_injector->sendMouseButton(MouseButton::Left, false);
  m_injector->sendMouseButton(MouseButton::Right, true);
  m_injector->sendMouseButton(MouseButton::Middle, false);
  m_injector->sendWheel(120);
  m_injector->sendWheel(-120);
  m_injector->sendWheel(0);
  const std::vector<EvdevEvent> expected = {
      {EV_KEY, BTN_LEFT, 1},    kSyn, {EV_KEY, BTN_LEFT, 0},         kSyn, {EV_KEY, BTN_RIGHT, 1},
      kSyn,                     {EV_KEY, BTN_MIDDLE, 0},             kSyn, {EV_REL, REL_WHEEL, 1},
      {EV_REL, REL_WHEEL_HI_RES, 120}, kSyn, {EV_REL, REL_WHEEL, -1}, {EV_REL, REL_WHEEL_HI_RES, -120}, kSyn};
  EXPECT_EQ(written(), expected);
}

TEST(UinputDescription, DeclaresEveryKeyItCanSendAndNoAutoRepeat) {
  libevdev* description = platform::UinputInputInjector::newDescription();
  for (const platform::VirtualKeyMapping& entry : platform::virtualKeyMap()) {
    EXPECT_TRUE(libevdev_has_event_code(description, EV_KEY, entry.evdevCode))
        << "virtual key 0x" << std::hex << int(entry.virtualKey);
  }
  for (unsigned code : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) EXPECT_TRUE(libevdev_has_event_code(description, EV_KEY, code));
  for (unsigned code : {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES})
    EXPECT_TRUE(libevdev_has_event_code(description, EV_REL, code));
  EXPECT_FALSE(libevdev_has_event_type(description, EV_REP));
  libevdev_free(description);
}

TEST(VirtualKeyMap, EveryKeyHasAnEvdevCodeAndAKeysymAndEachCodeIsListedOnce) {
  std::vector<int> seen(256, 0);
  for (const platform::VirtualKeyMapping& entry : platform::virtualKeyMap()) {
    EXPECT_NE(entry.evdevCode, 0) << int(entry.virtualKey);
    EXPECT_NE(entry.keysym, 0u) << int(entry.virtualKey);
    EXPECT_EQ(++seen[entry.virtualKey], 1) << "listed twice: " << int(entry.virtualKey);
  }
  EXPECT_EQ(platform::evdevCodeForVirtualKey(0x07), 0);
  EXPECT_EQ(platform::keysymForVirtualKey(0x07), 0u);
}

TEST(UinputDevice, CreationFailsCleanlyWithoutUinput) {
  if (access("/dev/uinput", W_OK) == 0) GTEST_SKIP() << "this machine has a writable /dev/uinput";
  libevdev* description = platform::UinputInputInjector::newDescription();
  QString error;
  EXPECT_EQ(platform::UinputDevice::create(description, &error), nullptr);
  EXPECT_FALSE(error.isEmpty());
  libevdev_free(description);
}
