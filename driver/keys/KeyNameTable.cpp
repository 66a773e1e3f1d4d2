#include "driver/keys/KeyNameTable.h"

#include <QHash>
#include <atomic>
#include <mutex>

namespace {

constexpr uint8_t kShift = 0x10;

struct Tables {
  QHash<QString, uint8_t> codes;
  QHash<QString, std::vector<uint8_t>> composites;
};

Tables& tables() {
  static Tables instance;
  return instance;
}

std::atomic<bool> s_filled{false};
std::once_flag s_fillOnce;

void fillTables(Tables& t) {
  for (int i = 0; i < 26; ++i) t.codes.insert(QStringLiteral("[%1]").arg(QChar('A' + i)), uint8_t(0x41 + i));
  for (int i = 0; i < 10; ++i) t.codes.insert(QStringLiteral("[%1]").arg(i), uint8_t(0x30 + i));
  for (int i = 0; i < 12; ++i) t.codes.insert(QStringLiteral("[F%1]").arg(i + 1), uint8_t(0x70 + i));
  const std::pair<const char*, uint8_t> named[] = {
      {"[Win]", 0x5C},      {"[LWIN]", 0x5B},  {"[RWIN]", 0x5C},   {"[Ctrl]", 0x11},     {"[LCTRL]", 0xA2},
      {"[RCTRL]", 0xA3},    {"[Shift]", 0x10}, {"[LSHIFT]", 0xA0}, {"[RSHIFT]", 0xA1},   {"[Alt]", 0x12},
      {"[LALT]", 0xA4},     {"[RALT]", 0xA5},  {"[Esc]", 0x1B},    {"[Tab]", 0x09},      {"[Return]", 0x0D},
      {"[Space]", 0x20},    {"[Backspace]", 0x08}, {"[CapsLock]", 0x14}, {"[Prtsc]", 0x2C}, {"[Scrlk]", 0x91},
      {"[Pause]", 0x13},    {"[Ins]", 0x2D},   {"[Del]", 0x2E},    {"[PgUp]", 0x21},     {"[PgDown]", 0x22},
      {"[Home]", 0x24},     {"[End]", 0x23},   {"[Up]", 0x26},     {"[Down]", 0x28},     {"[Left]", 0x25},
      {"[Right]", 0x27},    {"[;]", 0xBA},     {"[/]", 0xBF},      {"[`]", 0xC0},        {"[[]", 0xDB},
      {"[\\]", 0xDC},       {"[]]", 0xDD},     {"[']", 0xDE},      {"[=]", 0xBB},        {"[,]", 0xBC},
      {"[-]", 0xBD},        {"[.]", 0xBE},     {"[Plus]", 0x6B},
  };
  for (const auto& entry : named) t.codes.insert(QString::fromLatin1(entry.first), entry.second);
  // The names the settings window records some keys by (Qt's): without them
  // a recorded Meta+D would type only D.
  const std::pair<const char*, uint8_t> recorded[] = {
      {"[Meta]", 0x5C}, {"[Print]", 0x2C}, {"[ScrollLock]", 0x91}, {"[Enter]", 0x0D}};
  for (const auto& entry : recorded) t.codes.insert(QString::fromLatin1(entry.first), entry.second);

  // Each shifted symbol is Shift with the US-layout key that carries it.
  const std::pair<const char*, uint8_t> shifted[] = {
      {"[:]", 0xBA}, {"[?]", 0xBF}, {"[~]", 0xC0}, {"[{]", 0xDB}, {"[|]", 0xDC}, {"[}]", 0xDD},
      {"[\"]", 0xDE}, {"[_]", 0xBD}, {"[<]", 0xBC}, {"[>]", 0xBE}, {"[!]", 0x31}, {"[@]", 0x32},
      {"[#]", 0x33}, {"[$]", 0x34}, {"[%]", 0x35}, {"[^]", 0x36}, {"[&]", 0x37}, {"[*]", 0x38},
      {"[(]", 0x39}, {"[)]", 0x30},
  };
  for (const auto& entry : shifted) {
    const QString name = QString::fromLatin1(entry.first);
    t.codes.insert(name, 0);
    t.composites.insert(name, {kShift, entry.second});
  }
  // Shifted letters and Shift with "=" for a plus; the names above already
  // give these a code of their own, so they are only reached through a
  // lookup of the composite table itself.
  for (int i = 0; i < 26; ++i)
    t.composites.insert(QStringLiteral("[%1]").arg(QChar('A' + i)), {kShift, uint8_t(0x41 + i)});
  t.composites.insert(QStringLiteral("[Plus]"), {kShift, 0xBB});
}

}  // namespace

void KeyNameTable::fill() {
  std::call_once(s_fillOnce, [] {
    fillTables(tables());
    s_filled = true;
  });
}

bool KeyNameTable::isEmpty() { return !s_filled; }

uint8_t KeyNameTable::code(const QString& name) {
  if (!s_filled) return 0;
  return tables().codes.value(name, 0);
}

const std::vector<uint8_t>* KeyNameTable::composite(const QString& name) {
  if (!s_filled) return nullptr;
  const auto found = tables().composites.constFind(name);
  return found == tables().composites.constEnd() ? nullptr : &found.value();
}
