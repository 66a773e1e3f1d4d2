#include "driver/tablet/CommandLine.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kDelimiters[] = " ,:(){}[]=";

bool isDelimiter(char c) { return c != '\0' && std::strchr(kDelimiters, c) != nullptr; }
bool isLineEnd(char c) { return c == '\r' || c == '\n' || c == ';' || c == '\0'; }
bool isPrintable(char c) { return static_cast<unsigned char>(c) > 0x1F; }

// strtol with the behaviour of std::stoi (leading blanks, a sign, and for base
// 16 an optional "0x"), but reporting failure instead of throwing.
bool toInt32(const std::string& text, int base, int32_t& out) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(begin, &end, base);
  if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX) return false;
  out = int32_t(value);
  return true;
}

// The prefix of the text that reads as a decimal floating-point number, as
// std::stod would read it but independent of the process locale: the desktop
// locale may use a decimal comma, and "260.5" must stay 260.5 everywhere.
bool toDouble(const std::string& text, double& out) {
  const char* first = text.c_str();
  const char* last = first + text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(*first))) ++first;
  // One sign at most: "+-5" is no number.
  if (first < last && *first == '+') {
    ++first;
    if (first < last && *first == '-') return false;
  }
  const auto result = std::from_chars(first, last, out, std::chars_format::general);
  return result.ec == std::errc();
}

}  // namespace

CommandLine::CommandLine(std::string text) : m_line(std::move(text)) { tokenize(); }

void CommandLine::tokenize() {
  std::vector<std::string> tokens;
  std::string token;
  bool inQuotes = false;
  char previous = '\0';
  const size_t length = m_line.size();
  auto push = [&] {
    if (!token.empty()) tokens.push_back(token);
    token.clear();
  };

  for (size_t i = 0; i < length; previous = m_line[i], ++i) {
    const char c = m_line[i];
    const bool lastByte = i + 1 == length;
    if (c == '#' && !inQuotes) {
      push();
      break;
    }
    if (c == '"' && previous != '\\') {
      inQuotes = !inQuotes;
      if (lastByte && !inQuotes) push();
      continue;
    }
    if (inQuotes) {
      // Inside quotes everything printable is kept, except that an "=" before
      // the first token is dropped.
      if (isPrintable(c) && !(c == '=' && tokens.empty())) token += c;
      continue;
    }
    if (isDelimiter(c) || isLineEnd(c)) {
      push();
      if (isLineEnd(c)) break;
      continue;
    }
    if (!lastByte) {
      // Tabs and other control bytes vanish without separating tokens.
      if (isPrintable(c) && c != '\\') token += c;
      continue;
    }
    if (c != '"') token += c;
    push();
  }
  // A token still inside quotes at the end of the line is never pushed.

  if (tokens.empty()) return;
  m_command = tokens.front();
  m_params.assign(tokens.begin() + 1, tokens.end());
  m_valid = true;
}

std::string CommandLine::GetString(int index, const std::string& defaultValue) const {
  if (index < 0 || index >= paramCount()) return defaultValue;
  return m_params[size_t(index)];
}

std::string CommandLine::GetStringLower(int index, const std::string& defaultValue) const {
  std::string text = GetString(index, defaultValue);
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool CommandLine::preprocessNumber(std::string& text) {
  if (text.size() > 2 && text.compare(0, 2, "0x") == 0) {
    int32_t value = 0;
    if (!toInt32(text.substr(2), 16, value)) return false;
    text = std::to_string(value);
  }
  if (text.size() > 2 && text.compare(0, 2, "0b") == 0) {
    // Bits are counted from the end of the whole text; any character other
    // than "1" is a zero bit.
    uint32_t value = 0;
    const size_t length = text.size();
    for (size_t i = 2; i < length; ++i) {
      if (text[i] == '1') value |= uint32_t(1) << ((length - i - 1) % 32);
    }
    text = std::to_string(value);
  }
  return true;
}

int32_t CommandLine::GetInt(int index, int32_t defaultValue) const {
  if (index < 0 || index >= paramCount()) return defaultValue;
  std::string text = m_params[size_t(index)];
  int32_t value = 0;
  if (!preprocessNumber(text) || !toInt32(text, 10, value)) return defaultValue;
  return value;
}

double CommandLine::GetDouble(int index, double defaultValue) const {
  if (index < 0 || index >= paramCount()) return defaultValue;
  std::string text = m_params[size_t(index)];
  double value = 0;
  if (!preprocessNumber(text) || !toDouble(text, value)) return defaultValue;
  return value;
}

bool CommandLine::GetBoolean(int index, bool defaultValue) const {
  if (GetInt(index, 0) > 0) return true;
  const std::string text = GetStringLower(index, std::string());
  if (text == "true" || text == "on") return true;
  if (text == "false" || text == "off" || text == "0") return false;
  return defaultValue;
}
