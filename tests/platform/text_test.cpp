#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.h"
#include "platform/utf8_path.h"

namespace vestara {
namespace {

TEST(Cp932Test, ConvertsShiftJisOrRefusesIt) {
  std::string longShiftJis = "\xb1", longUtf8 = "\xef\xbd\xb1";  // half-width katakana
  for (int i = 0; i < 300; ++i) {                                // longer than one output chunk
    longShiftJis += "\x95\x5c";
    longUtf8 += "\xe8\xa1\xa8";
  }
  EXPECT_EQ(Cp932ToUtf8(longShiftJis + "a\\b~"), longUtf8 + "a\\b~");  // no yen sign
  EXPECT_EQ(Cp932ToUtf8(""), "");
  // A lead byte without its trail, and a trail byte the code page does not define.
  EXPECT_EQ(Cp932ToUtf8("\x95"), std::nullopt);
  EXPECT_EQ(Cp932ToUtf8("ab\x95"), std::nullopt);
  EXPECT_EQ(Cp932ToUtf8("\x81\x20"), std::nullopt);
}

TEST(Utf8PathTest, NamesRoundTripAndJoinWithTheSystemsSeparator) {
  for (const std::string name : {"plain", "ヴェスタラ/装備", "\xc3\xa4/b c"}) {
    EXPECT_EQ(Utf8FromPath(PathFromUtf8(name)), name);
  }
  const std::string separator(1, Utf8FromPath(std::filesystem::path("a/b").make_preferred())[1]);
  EXPECT_EQ(JoinPath("out", "soul/007.png"), "out" + separator + "soul" + separator + "007.png");
  EXPECT_EQ(JoinPath("", "index.csv"), "index.csv");
  EXPECT_EQ(ParentOf(JoinPath("out", "soul/007.png")), "out" + separator + "soul");
  EXPECT_EQ(ParentOf("index.csv"), "");
}

}  // namespace
}  // namespace vestara
