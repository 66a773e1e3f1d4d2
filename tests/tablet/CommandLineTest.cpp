#include "driver/tablet/CommandLine.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

std::vector<std::string> tokens(const std::string& text) {
  CommandLine line(text);
  std::vector<std::string> all;
  if (!line.valid()) return all;
  all.push_back(line.command());
  all.insert(all.end(), line.params().begin(), line.params().end());
  return all;
}

using Tokens = std::vector<std::string>;

}  // namespace

TEST(CommandLineTokens, SplitAtEveryDelimiterAndNeverMakeEmptyTokens) {
  EXPECT_EQ(tokens("HIDTablet 0x1111 0x2222 0xFF0A 0x0001 Exclusive=True"),
            (Tokens{"HIDTablet", "0x1111", "0x2222", "0xFF0A", "0x0001", "Exclusive", "True"}));
  EXPECT_EQ(tokens("a,,b::c(d){e}[f]  =g"), (Tokens{"a", "b", "c", "d", "e", "f", "g"}));
  EXPECT_EQ(tokens("MaxX 100 "), (Tokens{"MaxX", "100"}));
  const CommandLine line("MaxX 100");
  EXPECT_EQ(line.command(), "MaxX");
  EXPECT_EQ(line.paramCount(), 1);
  EXPECT_EQ(line.line(), "MaxX 100");
}

TEST(CommandLineTokens, LineEndsAndCommentsStopTheScan) {
  EXPECT_EQ(tokens("MaxX 100 # comment"), (Tokens{"MaxX", "100"}));
  EXPECT_EQ(tokens("MaxX 100#comment"), (Tokens{"MaxX", "100"}));
  EXPECT_EQ(tokens("MaxX 100; MaxY 200"), (Tokens{"MaxX", "100"}));
  EXPECT_EQ(tokens("MaxX 100\r"), (Tokens{"MaxX", "100"}));
  EXPECT_EQ(tokens(std::string("MaxX 1\0MaxY 2", 13)), (Tokens{"MaxX", "1"}));
  EXPECT_FALSE(CommandLine("# only a comment").valid());
  EXPECT_FALSE(CommandLine("").valid());
  EXPECT_FALSE(CommandLine("  ,, ").valid());
  EXPECT_TRUE(CommandLine("").command().empty());
}

TEST(CommandLineTokens, ControlBytesAndBackslashesVanishWithoutSplitting) {
  EXPECT_EQ(tokens("MaxX\t100"), (Tokens{"MaxX100"}));
  EXPECT_EQ(tokens("Ma\\xX 1"), (Tokens{"MaxX", "1"}));
  // The last byte of the line is kept as it is, even a control byte.
  EXPECT_EQ(tokens("MaxX 10\t"), (Tokens{"MaxX", "10\t"}));
}

TEST(CommandLineTokens, QuotesKeepDelimitersButAreNeverPartOfAToken) {
  EXPECT_EQ(tokens("Name \"a b;c#d\" x"), (Tokens{"Name", "a b;c#d", "x"}));
  EXPECT_EQ(tokens("Name \"a b\""), (Tokens{"Name", "a b"}));
  EXPECT_EQ(tokens("Path \"C:\\dir\""), (Tokens{"Path", "C:\\dir"}));
  // An escaped quote does not toggle; outside quotes it is kept, its
  // backslash is not.
  EXPECT_EQ(tokens("say \\\"hi x"), (Tokens{"say", "\"hi", "x"}));
  // A token still open at the end of the line is lost.
  EXPECT_EQ(tokens("Name \"open to the end"), (Tokens{"Name"}));
  // Inside quotes "=" is dropped until the first token is out.
  EXPECT_EQ(tokens("\"a=b\" \"c=d\""), (Tokens{"ab", "c=d"}));
}

TEST(CommandLineNumbers, HexadecimalAndBinaryNeedTheirLowerCasePrefix) {
  CommandLine line("X 0x1FFF 0X1FFF 0b101 260.0 abc 0x10 0xFFFFFFFF 0b1x1 -12");
  EXPECT_EQ(line.GetInt(0, -1), 8191);
  EXPECT_EQ(line.GetInt(1, -1), 0);
  EXPECT_EQ(line.GetInt(2, -1), 5);
  EXPECT_EQ(line.GetInt(3, -1), 260);
  EXPECT_EQ(line.GetInt(4, -1), -1);
  EXPECT_EQ(line.GetInt(9, -1), -1);
  EXPECT_DOUBLE_EQ(line.GetDouble(5, -1), 16.0);
  // A hexadecimal value beyond 32 bits makes the accessor give its default.
  EXPECT_EQ(line.GetInt(6, -1), -1);
  EXPECT_DOUBLE_EQ(line.GetDouble(6, -1), -1);
  // Any character other than "1" is a zero bit.
  EXPECT_EQ(line.GetInt(7, -1), 5);
  EXPECT_EQ(line.GetInt(8, 0), -12);
  EXPECT_DOUBLE_EQ(line.GetDouble(3, -1), 260.0);
  EXPECT_DOUBLE_EQ(line.GetDouble(4, -1), -1);
  // One sign at most, as the standard conversions read it.
  CommandLine signs("X +7.5 +-7.5 -+7");
  EXPECT_DOUBLE_EQ(signs.GetDouble(0, -1), 7.5);
  EXPECT_DOUBLE_EQ(signs.GetDouble(1, -1), -1);
  EXPECT_DOUBLE_EQ(signs.GetDouble(2, -1), -1);
  EXPECT_EQ(signs.GetInt(1, -1), -1);
}

TEST(CommandLineNumbers, DecimalPointIsAPointInEveryLocale) {
  // The desktop locale is in force in the driver; a decimal-comma locale must
  // not cut 163.80 millimetres down to 163.
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  CommandLine line("Height 163.80");
  const double height = line.GetDouble(0, 0);
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_DOUBLE_EQ(height, 163.80);
  if (!german) GTEST_LOG_(INFO) << "de_DE locale not installed; checked in the C locale only";
}

TEST(CommandLineBoolean, NumbersAndWordsThenTheDefault) {
  CommandLine line("X 1 0x10 true ON False off 0 -1 maybe");
  EXPECT_TRUE(line.GetBoolean(0, false));
  EXPECT_TRUE(line.GetBoolean(1, false));
  EXPECT_TRUE(line.GetBoolean(2, false));
  EXPECT_TRUE(line.GetBoolean(3, false));
  EXPECT_FALSE(line.GetBoolean(4, true));
  EXPECT_FALSE(line.GetBoolean(5, true));
  EXPECT_FALSE(line.GetBoolean(6, true));
  EXPECT_TRUE(line.GetBoolean(7, true));
  EXPECT_FALSE(line.GetBoolean(8, false));
  EXPECT_TRUE(line.GetBoolean(9, true));
  EXPECT_EQ(line.GetStringLower(3, "x"), "on");
  EXPECT_EQ(line.GetString(40, "x"), "x");
}
