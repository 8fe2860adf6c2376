#include "app/game_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

TEST(GamePathTest, MapsSeparatorsDrivesAndLetterCase) {
  const struct {
    std::vector<std::string> onDisk;  // files below the working directory
    const char* gamePath;
    const char* native;  // "<prefix>" stands for the Wine prefix, "wine"
  } cases[] = {
      {{}, "", ""},
      {{}, "C:\\Program Files\\Vestara\\", "<prefix>/drive_c/Program Files/Vestara/"},
      {{}, "E:", "<prefix>/drive_e/"},
      {{}, "game\\\\Data//x", "game/Data/x"},
      {{}, "/srv/game\\Data", "/srv/game/Data"},
      {{"DATA/weapon.SPR.ncs"}, "Data\\Weapon.spr.NCS", "DATA/weapon.SPR.ncs"},
      {{"wine/drive_c/Program Files/VESTARA/x"},
       "c:\\PROGRAM FILES\\Vestara\\X",
       "<prefix>/drive_c/Program Files/VESTARA/x"},
      // The exact case wins; more than one other match is none.
      {{"Data/x", "DATA/x"}, "DATA\\x", "DATA/x"},
      {{"Data/x", "DATA/x"}, "data\\x", "data/x"},
      // Below a missing component the rest stays as spelled.
      {{"missing-not/DATA/x"}, "Missing\\data\\x", "Missing/data/x"},
      // Letters outside ASCII are not folded: U+00C4 on disk, U+00E4 asked for.
      {{"\xc3\x84"}, "\xc3\xa4", "\xc3\xa4"},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.gamePath);
    ScopedTestDirectory directory;
    ScopedWorkingDirectory cwd(directory.root());
    const std::string prefix = (directory.root() / "wine").string();
    ScopedEnvironmentVariable wine("WINEPREFIX", prefix);
    for (const std::string& file : entry.onDisk) WriteBinaryFile(directory.root() / file, "");
    std::string expected = entry.native;
    if (expected.starts_with("<prefix>")) expected.replace(0, 8, prefix);
    EXPECT_EQ(ToNativePath(entry.gamePath), expected);
  }
}

TEST(GamePathTest, PrefixDefaultsToWineInHome) {
  ScopedEnvironmentVariable wine("WINEPREFIX", std::nullopt);
  ScopedEnvironmentVariable home("HOME", "/nonexistent-home");
  EXPECT_EQ(ToNativePath("C:\\x"), "/nonexistent-home/.wine/drive_c/x");
}

}  // namespace
}  // namespace vestara::testing
