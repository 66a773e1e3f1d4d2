#include "driver/core/IniStoredStrings.h"

#include <QString>

#include <cstring>

namespace IniStoredStrings {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isSpecial(char c) { return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\'; }
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
uint hexValue(char c) { return c <= '9' ? uint(c - '0') : uint((c | 0x20) - 'a' + 10); }

struct Line {
  int start = 0;
  int length = 0;
  int equals = -1;
};

// One logical line from `pos`: blank lines and leading comments are skipped,
// an escaped line end and a line end inside quotes continue the line, and a
// ';' outside quotes ends it. Qt 5 ends a comment line only at "\n" (a slip
// in its reader), later versions at "\r" too; `commentEndsAtReturn` picks.
bool readLine(const QByteArray& data, int& pos, Line& line, bool commentEndsAtReturn) {
  const int size = data.size();
  bool inQuotes = false;
  line.equals = -1;
  int start = pos;
  while (start < size && isSpace(data.at(start))) ++start;
  int i = start;
  bool ended = false;
  while (i < size && !ended) {
    char ch = data.at(i);
    while (!isSpecial(ch)) {
      if (++i == size) break;
      ch = data.at(i);
    }
    if (i == size) break;
    ++i;
    if (ch == '=') {
      if (!inQuotes && line.equals == -1) line.equals = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == start + 1) {
        ++start;
      } else if (!inQuotes) {
        --i;
        ended = true;
      }
    } else if (ch == '\\') {
      if (i < size) {
        const char escaped = data.at(i++);
        if (i < size) {
          const char next = data.at(i);
          if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else if (i == start + 1) {  // ';' opening a comment line
      while (i < size && data.at(i) != '\n' && !(commentEndsAtReturn && data.at(i) == '\r')) ++i;
      start = i;
    } else if (!inQuotes) {  // ';' after text
      --i;
      ended = true;
    }
  }
  pos = i;
  line.start = start;
  line.length = i - start;
  return line.length > 0;
}

void chopTrailingSpaces(QString& text, int limit) {
  int n = text.size() - 1;
  while (n >= limit && (text.at(n) == QLatin1Char(' ') || text.at(n) == QLatin1Char('\t'))) text.truncate(n--);
}

// The value between `from` and `to` as QSettings unescapes it: one string,
// or the entries of a list when an unquoted ',' splits it.
QStringList unescapedValue(const QByteArray& raw, int from, int to, bool utf8) {
  static const char kNamed[] = "abfnrtv\"?'\\";
  static const char kMeaning[] = "\a\b\f\n\r\t\v\"?'\\";
  QString current;
  QStringList list;
  bool isList = false;
  bool inQuotes = false;
  bool quoted = false;
  int i = from;
  auto skipSpaces = [&] {
    while (i < to && (raw.at(i) == ' ' || raw.at(i) == '\t')) ++i;
  };
  skipSpaces();
  int chopLimit = current.size();
  // Trailing blanks go only where the value ends at its last character: not
  // after an escape that runs to the end.
  bool endsInEscape = false;
  while (i < to) {
    const char c = raw.at(i);
    if (c == '\\') {
      if (++i >= to) {
        endsInEscape = true;
        break;
      }
      const char kind = raw.at(i++);
      const char* named = kind != '\0' ? std::strchr(kNamed, kind) : nullptr;
      if (named) {
        current += QLatin1Char(kMeaning[named - kNamed]);
        chopLimit = current.size();
        continue;
      }
      const bool hex = kind == 'x';
      if (hex || isOctalDigit(kind)) {
        if (hex && i >= to) {
          endsInEscape = true;
          break;
        }
        if (hex && !isHexDigit(raw.at(i))) {
          chopLimit = current.size();
          continue;
        }
        // Every digit counts, however many; QChar keeps the low 16 bits.
        uint value = hex ? 0 : uint(kind - '0');
        while (i < to && (hex ? isHexDigit(raw.at(i)) : isOctalDigit(raw.at(i)))) {
          value = ((value << (hex ? 4 : 3)) + (hex ? hexValue(raw.at(i)) : uint(raw.at(i) - '0'))) & 0xffff;
          ++i;
        }
        current += QChar(ushort(value));
        if (i >= to) {
          endsInEscape = true;
          break;
        }
        chopLimit = current.size();
        continue;
      }
      if ((kind == '\n' || kind == '\r') && i < to) {
        const char next = raw.at(i);
        if ((next == '\n' || next == '\r') && next != kind) ++i;
      }
      // Any other escaped character is dropped.
      chopLimit = current.size();
    } else if (c == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) {
        skipSpaces();
        chopLimit = current.size();
        continue;
      }
    } else if (c == ',' && !inQuotes) {
      if (!quoted) chopTrailingSpaces(current, chopLimit);
      if (!isList) {
        isList = true;
        list.clear();
      }
      list.append(current);
      current.clear();
      quoted = false;
      ++i;
      skipSpaces();
      chopLimit = current.size();
      continue;
    } else {
      int j = i + 1;
      while (j < to && raw.at(j) != '\\' && raw.at(j) != '"' && raw.at(j) != ',') ++j;
      current += utf8 ? QString::fromUtf8(raw.constData() + i, j - i) : QString::fromLatin1(raw.constData() + i, j - i);
      i = j;
    }
  }
  if (!endsInEscape && !quoted) chopTrailingSpaces(current, chopLimit);
  if (isList) {
    list.append(current);
    return list;
  }
  return {current};
}

}  // namespace

QVector<QStringList> valuesOf(const QByteArray& file) {
  QVector<QStringList> values;
  int pos = 0;
  // QSettings reads a file that begins with a UTF-8 byte order mark as UTF-8,
  // any other as Latin-1.
  const bool utf8 = file.startsWith("\xef\xbb\xbf");
  if (utf8) pos = 3;
  const int start = pos;
  // Both ways of ending a comment: a value that either reader converts is
  // checked.
  for (bool commentEndsAtReturn : {false, true}) {
    pos = start;
    Line line;
    while (readLine(file, pos, line, commentEndsAtReturn)) {
      // Section headers name groups; their values are never converted.
      if (file.at(line.start) == '[' || line.equals == -1) continue;
      values.append(unescapedValue(file, line.equals + 1, line.start + line.length, utf8));
    }
  }
  return values;
}

}  // namespace IniStoredStrings
