#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line of a tablet configuration script, split into a command and its
// parameters as soon as it is constructed. The scripts are byte strings:
// nothing here knows about encodings.
class CommandLine {
 public:
  explicit CommandLine(std::string text);

  const std::string& line() const { return m_line; }
  const std::string& command() const { return m_command; }
  const std::vector<std::string>& params() const { return m_params; }
  int paramCount() const { return int(m_params.size()); }
  // True when the line produced at least one token.
  bool valid() const { return m_valid; }

  std::string GetString(int index, const std::string& defaultValue) const;
  std::string GetStringLower(int index, const std::string& defaultValue) const;
  // Numbers may be written "0x1FFF" or "0b101"; anything that does not
  // convert gives the default, never an exception.
  int32_t GetInt(int index, int32_t defaultValue) const;
  double GetDouble(int index, double defaultValue) const;
  // A positive number, "true" or "on" is true; "false", "off" or "0" is false;
  // anything else gives the default.
  bool GetBoolean(int index, bool defaultValue) const;

  // The number text after "0x"/"0b" rewriting, or false when a "0x" value does
  // not fit 32 bits. Public for the script fuzzer and tests.
  static bool preprocessNumber(std::string& text);

 private:
  void tokenize();

  std::string m_line;
  std::string m_command;
  std::vector<std::string> m_params;
  bool m_valid = false;
};
