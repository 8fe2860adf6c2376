#include "app/cp932_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace vestara {
namespace {

TEST(Cp932TextTest, AcceptsOnlyWellFormedUtf8) {
  // Shift-JIS, a lone continuation byte, overlong '/' twice, a surrogate, past U+10FFFF,
  // truncated, an invalid lead byte.
  for (const std::string text : {"\x95\x5c", "\xb1", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80",
                                 "\xf4\x90\x80\x80", "\xe8\xa1", "\xf5\x80\x80\x80"}) {
    EXPECT_FALSE(IsValidUtf8(text)) << text;
  }
  for (const std::string text : {"", "C:\\Program Files\\", "\xe8\xa1\xa8", "\xc3\xa4",
                                 "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf"}) {
    EXPECT_TRUE(IsValidUtf8(text)) << text;
  }
}

TEST(Cp932TextTest, ConvertsShiftJisOrRefusesIt) {
  std::string longShiftJis, longUtf8;  // longer than one output chunk
  for (int i = 0; i < 300; ++i) {
    longShiftJis += "\x95\x5c";
    longUtf8 += "\xe8\xa1\xa8";
  }
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"\x95\x5c", "\xe8\xa1\xa8"}, {"\x95\x5c\x5c", "\xe8\xa1\xa8\\"},
      {"a\\b~", "a\\b~"},        // ASCII stays ASCII, no yen sign
      {"\xb1", "\xef\xbd\xb1"},  // half-width katakana
      {longShiftJis, longUtf8},     {"\x81\x20", std::nullopt},
      {"\x95", std::nullopt},       {"\xff", std::nullopt},
      {"\xa0", std::nullopt},       {"ok\x80", std::nullopt},
  };
  for (const auto& [shiftJis, utf8] : cases) EXPECT_EQ(Cp932ToUtf8(shiftJis), utf8) << shiftJis;
}

}  // namespace
}  // namespace vestara
