#include "app/game_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "support/scoped_test_directory.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironmentVariable;
using testing::WriteBinaryFile;

struct Spelling {
  const char* gamePath;
  const char* native;  // "<prefix>" stands for the Wine prefix

  friend void PrintTo(const Spelling& spelling, std::ostream* out) {
    *out << '"' << spelling.gamePath << '"';
  }
};

class GamePathSpellingTest : public ::testing::TestWithParam<Spelling> {};

TEST_P(GamePathSpellingTest, MapsSeparatorsAndDrives) {
  testing::ScopedTestDirectory directory;
  testing::ScopedWorkingDirectory cwd(directory.root());
  const std::string prefix = (directory.root() / "wine").string();
  ScopedEnvironmentVariable wine("WINEPREFIX", prefix);

  std::string expected = GetParam().native;
  if (expected.starts_with("<prefix>")) expected.replace(0, 8, prefix);
  EXPECT_EQ(ToNativePath(GetParam().gamePath), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, GamePathSpellingTest,
    ::testing::Values(Spelling{"", ""},
                      Spelling{"C:\\Program Files\\Vestara\\",
                               "<prefix>/drive_c/Program Files/Vestara/"},
                      Spelling{"C:\\Program Files\\Vestara\\Char\\B0000000.spr.NCS",
                               "<prefix>/drive_c/Program Files/Vestara/Char/B0000000.spr.NCS"},
                      Spelling{"d:/Games/Play", "<prefix>/drive_d/Games/Play"},
                      Spelling{"E:", "<prefix>/drive_e/"},
                      Spelling{"..\\game\\Data\\Weapon.spr.NCS", "../game/Data/Weapon.spr.NCS"},
                      Spelling{"game\\\\Data//x", "game/Data/x"},
                      Spelling{"/srv/game\\Data", "/srv/game/Data"},
                      Spelling{"\\srv\\game\\", "/srv/game/"}));

TEST(GamePathTest, PrefixDefaultsToWineInHome) {
  ScopedEnvironmentVariable wine("WINEPREFIX", std::nullopt);
  ScopedEnvironmentVariable home("HOME", "/nonexistent-home");
  EXPECT_EQ(ToNativePath("C:\\x"), "/nonexistent-home/.wine/drive_c/x");
}

class GamePathCaseTest : public ::testing::Test {
 protected:
  GamePathCaseTest() : cwd_(directory_.root()) {}

  testing::ScopedTestDirectory directory_;
  testing::ScopedWorkingDirectory cwd_;
};

TEST_F(GamePathCaseTest, FindsEntriesInAnyLetterCase) {
  WriteBinaryFile(directory_.root() / "DATA" / "weapon.SPR.ncs", "EAST0");
  EXPECT_EQ(ToNativePath("Data\\Weapon.spr.NCS"), "DATA/weapon.SPR.ncs");
  EXPECT_EQ(ToNativePath("data\\"), "DATA/");
}

TEST_F(GamePathCaseTest, ResolvesBelowTheWinePrefix) {
  ScopedEnvironmentVariable wine("WINEPREFIX", directory_.root().string());
  WriteBinaryFile(directory_.root() / "drive_c" / "Program Files" / "VESTARA" / "x", "");
  EXPECT_EQ(ToNativePath("C:\\PROGRAM FILES\\Vestara\\X"),
            directory_.root().string() + "/drive_c/Program Files/VESTARA/x");
}

TEST_F(GamePathCaseTest, ExactCaseWinsOverOtherMatches) {
  fs::create_directories(directory_.root() / "Data");
  fs::create_directories(directory_.root() / "DATA");
  EXPECT_EQ(ToNativePath("DATA\\x"), "DATA/x");
}

TEST_F(GamePathCaseTest, AmbiguousMatchIsNotFound) {
  WriteBinaryFile(directory_.root() / "Data" / "Weapon.spr.NCS", "EAST0");
  WriteBinaryFile(directory_.root() / "DATA" / "Weapon.spr.NCS", "EAST0");
  const std::string native = ToNativePath("data\\Weapon.spr.NCS");
  EXPECT_EQ(native, "data/Weapon.spr.NCS");
  EXPECT_FALSE(fs::exists(native));
}

TEST_F(GamePathCaseTest, KeepsTheRestAsSpelledBelowAMissingComponent) {
  fs::create_directories(directory_.root() / "missing-not" / "DATA");
  EXPECT_EQ(ToNativePath("Missing\\data\\x"), "Missing/data/x");
}

TEST_F(GamePathCaseTest, DoesNotFoldNonAsciiLetters) {
  fs::create_directories(directory_.root() / "\xc3\x84");  // U+00C4
  EXPECT_EQ(ToNativePath("\xc3\xa4"), "\xc3\xa4");         // U+00E4
}

}  // namespace
}  // namespace vestara
