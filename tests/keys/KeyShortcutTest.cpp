// Shortcut strings to key events: names, shifted symbols, order, and the set
// of shortcuts held by tablet keys.

#include "KeyRig.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/keys/KeyNameTable.h"

#include <QKeySequence>

using KeyShortcut = KeyRig;

TEST_F(KeyShortcut, PressAndReleaseGoLeftToRight) {
  ShortcutInjector::sendShortcut("[Alt]+[Ctrl]+[Z]", true);
  ShortcutInjector::sendShortcut("[Alt]+[Ctrl]+[Z]", false);
  EXPECT_EQ(input->texts(), keys({0x12, 0x11, 0x5A}, "down") + keys({0x12, 0x11, 0x5A}, "up"));
  const auto events = input->events();
  EXPECT_EQ(events[0].batch, events[2].batch);  // one injection per shortcut
  EXPECT_NE(events[2].batch, events[3].batch);
}

TEST_F(KeyShortcut, UnknownNamesAndEmptyPartsAddNothing) {
  ShortcutInjector::sendShortcut("[Ctrl]+[Nope]", true);
  ShortcutInjector::sendShortcut("[Ctrl]+[Nope]", false);
  EXPECT_EQ(input->texts(), keys({0x11}, "down") + keys({0x11}, "up"));
  input->clear();
  ShortcutInjector::sendShortcut("++[F12]+", true);
  ShortcutInjector::sendShortcut("", true);
  ShortcutInjector::sendShortcut("Ctrl+Z", true);
  EXPECT_EQ(input->texts(), keys({0x7B}, "down"));
}

TEST_F(KeyShortcut, ShiftedSymbolsTypeTheUsKeyThatCarriesThem) {
  const struct {
    const char* name;
    int key;
  } symbols[] = {{"[!]", 0x31}, {"[@]", 0x32}, {"[#]", 0x33}, {"[$]", 0x34}, {"[%]", 0x35}, {"[^]", 0x36},
                 {"[&]", 0x37}, {"[*]", 0x38}, {"[(]", 0x39}, {"[)]", 0x30}, {"[<]", 0xBC}, {"[>]", 0xBE},
                 {"[:]", 0xBA}, {"[?]", 0xBF}, {"[~]", 0xC0}, {"[{]", 0xDB}, {"[|]", 0xDC}, {"[}]", 0xDD},
                 {"[\"]", 0xDE}, {"[_]", 0xBD}};
  for (const auto& symbol : symbols) {
    input->clear();
    ShortcutInjector::sendShortcut(QStringLiteral("[Ctrl]+") + symbol.name, true);
    EXPECT_EQ(input->texts(), keys({0x11, 0x10, symbol.key}, "down")) << symbol.name;
  }
  // Names with a key of their own are not typed shifted.
  input->clear();
  ShortcutInjector::sendShortcut("[A]+[Plus]", true);
  EXPECT_EQ(input->texts(), keys({0x41, 0x6B}, "down"));
}

TEST_F(KeyShortcut, KeyNamesCoverTheRecorderVocabulary) {
  EXPECT_EQ(KeyNameTable::code("[Win]"), 0x5C);
  EXPECT_EQ(KeyNameTable::code("[F12]"), 0x7B);
  EXPECT_EQ(KeyNameTable::code("[9]"), 0x39);
  EXPECT_EQ(KeyNameTable::code("[\\]"), 0xDC);
  EXPECT_EQ(KeyNameTable::code("[PgDown]"), 0x22);
  EXPECT_EQ(KeyNameTable::code("[:]"), 0);
  EXPECT_EQ(KeyNameTable::code("[z]"), 0);
  KeyNameTable::fill();  // again: nothing changes
  EXPECT_EQ(KeyNameTable::code("[RALT]"), 0xA5);
}

// The settings window records shortcuts as Qt names them ("Meta+D" becomes
// "[Meta]+[D]"); every key a user can record must type something.
TEST_F(KeyShortcut, EveryRecordableKeyHasAName) {
  const int recordable[] = {
      Qt::Key_Escape,    Qt::Key_Tab,        Qt::Key_Backspace, Qt::Key_Return,   Qt::Key_Enter,     Qt::Key_Insert,
      Qt::Key_Delete,    Qt::Key_Pause,      Qt::Key_Print,     Qt::Key_Home,     Qt::Key_End,       Qt::Key_Left,
      Qt::Key_Up,        Qt::Key_Right,      Qt::Key_Down,      Qt::Key_PageUp,   Qt::Key_PageDown,  Qt::Key_CapsLock,
      Qt::Key_ScrollLock, Qt::Key_F1,        Qt::Key_F12,       Qt::Key_Space,    Qt::Key_A,         Qt::Key_0,
      Qt::Key_Semicolon, Qt::Key_Slash,      Qt::Key_QuoteLeft, Qt::Key_BracketLeft, Qt::Key_Backslash, Qt::Key_BracketRight,
      Qt::Key_Apostrophe, Qt::Key_Equal,     Qt::Key_Comma,     Qt::Key_Minus,    Qt::Key_Period,    Qt::Key_Colon,
      Qt::Key_Question,  Qt::Key_AsciiTilde, Qt::Key_BraceLeft, Qt::Key_Bar,      Qt::Key_BraceRight, Qt::Key_QuoteDbl,
      Qt::Key_Exclam,    Qt::Key_At,         Qt::Key_NumberSign, Qt::Key_Dollar,  Qt::Key_Percent,   Qt::Key_AsciiCircum,
      Qt::Key_Ampersand, Qt::Key_Asterisk,   Qt::Key_ParenLeft, Qt::Key_ParenRight, Qt::Key_Underscore, Qt::Key_Less,
      Qt::Key_Greater,
  };
  const int modifiers = Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::META;
  for (int key : recordable) {
    const QString text = QKeySequence(modifiers | key).toString(QKeySequence::PortableText);
    for (const QString& part : text.split(QLatin1Char('+'))) {
      const QString name = QLatin1Char('[') + part + QLatin1Char(']');
      EXPECT_TRUE(KeyNameTable::code(name) != 0 || KeyNameTable::composite(name)) << qPrintable(name);
    }
  }
  // The Windows key recorded as Meta is the one "[Win]" names.
  ShortcutInjector::sendShortcut("[Meta]+[D]", true);
  EXPECT_EQ(input->texts(), keys({0x5C, 0x44}, "down"));
}

TEST_F(KeyShortcut, ReleasingAnyKeyReleasesEveryHeldShortcut) {
  config()->setShortcutkeyEnum(MyQmlEnum::K1, MyQmlEnum::ECanvasZoomIn);
  config()->setShortcutkeyEnum(MyQmlEnum::K2, MyQmlEnum::EStraw);
  config()->setShortcutkeyEnum(MyQmlEnum::K3, MyQmlEnum::ENoEffect);
  tablet->runKeyFunction(MyQmlEnum::K1, true);
  tablet->runKeyFunction(MyQmlEnum::K2, true);
  EXPECT_EQ(ShortcutInjector::heldShortcuts(), QStringList({"[Ctrl]+[=]", "[Alt]"}));
  input->clear();
  tablet->runKeyFunction(MyQmlEnum::K3, false);
  EXPECT_EQ(input->texts(), keys({0x11, 0xBB}, "up") + keys({0x12}, "up"));
  EXPECT_TRUE(ShortcutInjector::heldShortcuts().isEmpty());
  EXPECT_EQ(hintTexts(), QStringList({"画布放大", "吸管", "无功能"}));
}

TEST_F(KeyShortcut, StoppingLetsGoOfExactlyWhatIsStillDown) {
  ShortcutInjector::releaseEverythingHeld();  // whatever earlier cases left down
  input->clear();

  ShortcutInjector::tapShortcut("[Ctrl]+[S]");  // already up again
  ShortcutInjector::pressShortcut("[Ctrl]+[Z]", true);
  ShortcutInjector::mouseButton(platform::MouseButton::Right, true);
  ShortcutInjector::mouseButton(platform::MouseButton::Left, true);
  ShortcutInjector::mouseButton(platform::MouseButton::Left, false);
  input->clear();

  ShortcutInjector::releaseEverythingHeld();
  EXPECT_EQ(input->texts(), keys({0x11, 0x5A}, "up") + QStringList({"right up"}));
  EXPECT_TRUE(ShortcutInjector::heldShortcuts().isEmpty());

  input->clear();
  ShortcutInjector::releaseEverythingHeld();  // nothing is down any more
  EXPECT_TRUE(input->texts().isEmpty());
}
