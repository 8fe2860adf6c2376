#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

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

TEST(Cp932Test, SpellsUtf8InShiftJisOnlyWhereEveryCharacterFits) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"C:\\Games\\a~", "C:\\Games\\a~"},
      // U+8868 (second byte 0x5C) and U+30F4, half-width U+FF71.
      {"\xe8\xa1\xa8\xe3\x83\xb4\xef\xbd\xb1", "\x95\x5c\x83\x94\xb1"},
      {"", ""},
      // U+00E4 and U+20AC: no code of their own, and no look-alike either.
      {"G\xc3\xa4me", std::nullopt},
      {"\xe2\x82\xac", std::nullopt},
      // Not UTF-8.
      {"\x95\x5c", std::nullopt},
  };
  for (const auto& [utf8, shiftJis] : cases) EXPECT_EQ(Utf8ToCp932(utf8), shiftJis) << utf8;
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
