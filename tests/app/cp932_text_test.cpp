#include "app/cp932_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vestara {
namespace {

TEST(IsValidUtf8Test, AcceptsWellFormedText) {
  for (const std::string text : {"", "C:\\Program Files\\", "\xe8\xa1\xa8", "\xc3\xa4",
                                 "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf"}) {
    EXPECT_TRUE(IsValidUtf8(text)) << text;
  }
}

TEST(IsValidUtf8Test, RejectsMalformedText) {
  for (const std::string text : {
           "\x95\x5c",          // Shift-JIS
           "\xb1",              // lone continuation byte
           "\xc0\xaf",          // overlong '/'
           "\xe0\x80\xaf",      // overlong '/'
           "\xed\xa0\x80",      // surrogate
           "\xf4\x90\x80\x80",  // past U+10FFFF
           "\xe8\xa1",          // truncated
           "\xf5\x80\x80\x80",  // invalid lead byte
       }) {
    EXPECT_FALSE(IsValidUtf8(text)) << text;
  }
}

TEST(Cp932ToUtf8Test, ConvertsShiftJis) {
  EXPECT_EQ(Cp932ToUtf8("\x95\x5c"), "\xe8\xa1\xa8");
  EXPECT_EQ(Cp932ToUtf8("\x95\x5c\x5c"), "\xe8\xa1\xa8\\");
  EXPECT_EQ(Cp932ToUtf8("a\\b~"), "a\\b~");        // ASCII stays ASCII, no yen sign
  EXPECT_EQ(Cp932ToUtf8("\xb1"), "\xef\xbd\xb1");  // half-width katakana
}

TEST(Cp932ToUtf8Test, ConvertsTextLongerThanOneOutputChunk) {
  std::string shiftJis;
  std::string utf8;
  for (int i = 0; i < 300; ++i) {
    shiftJis += "\x95\x5c";
    utf8 += "\xe8\xa1\xa8";
  }
  EXPECT_EQ(Cp932ToUtf8(shiftJis), utf8);
}

TEST(Cp932ToUtf8Test, RejectsInvalidBytes) {
  for (const std::string text : {"\x81\x20", "\x95", "\xff", "\xa0", "ok\x80"}) {
    EXPECT_EQ(Cp932ToUtf8(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace vestara
