// A folder chosen in the viewer's folder chooser becomes filepath.txt's line, in an encoding
// the reader takes back to the same folder.
#include "game/chosen_game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "game/game_folder.h"
#include "platform/utf8_path.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

struct ChosenName {
  std::string name;
  std::string folderUtf8;
  // The line's bytes before the separator.
  std::string lineBytes;
};

const std::string kBom = "\xef\xbb\xbf";
const ChosenName kNames[] = {
    {"Ascii", "Games", "Games"},
    // U+8868 U+30B2 U+30FC U+30E0 fit code page 932.
    {"Cp932", "\xe8\xa1\xa8\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0",
     "\x95\x5c\x83\x51\x81\x5b\x83\x80"},
    // U+00E4 has no code there.
    {"Utf8", "G\xc3\xa4me", kBom + "G\xc3\xa4me"},
    // U+FF83 U+FF64 are 0xC3 0xA4 there: the bytes of U+00E4 in UTF-8, so they would be
    // read back as another folder.
    {"Cp932ThatReadsAsUtf8", "\xef\xbe\x83\xef\xbd\xa4", kBom + "\xef\xbe\x83\xef\xbd\xa4"},
};

class ChosenGameFolderTest : public ::testing::TestWithParam<ChosenName> {
 protected:
  ScopedTestDirectory directory_;
  ScopedWorkingDirectory cwd_{directory_.root()};
};

TEST_P(ChosenGameFolderTest, WritesALineTheReaderTakesBack) {
  const ChosenName& chosen = GetParam();
  const fs::path game = directory_.root() / PathFromUtf8(chosen.folderUtf8);
  WriteBinaryFile(game / "Char" / "B0000000.spr.NCS", "EAST0");
  const std::string root = Utf8FromPath(directory_.root()) + "/";

  EXPECT_EQ(SaveChosenGameFolder(root + chosen.folderUtf8), ChosenFolderResult::Saved);
  const std::string rootBytes = chosen.lineBytes.starts_with(kBom) ? kBom + root : root;
  const std::string line =
      rootBytes + chosen.lineBytes.substr(chosen.lineBytes.starts_with(kBom) ? kBom.size() : 0);
  EXPECT_EQ(ReadBinaryFile(directory_.root() / "filepath.txt"), line + "/\n");
  EXPECT_EQ(LoadGameFolder(), root + chosen.folderUtf8 + "/");
  // Read back, the line stays as written.
  EXPECT_EQ(ReadBinaryFile(directory_.root() / "filepath.txt"), line + "/\n");
}

INSTANTIATE_TEST_SUITE_P(Encodings, ChosenGameFolderTest, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return info.param.name; });

TEST(ChosenGameFolderRefusalTest, LeavesFilepathTxtAsItWas) {
  const ScopedTestDirectory directory;
  const ScopedWorkingDirectory cwd(directory.root());
  const std::string root = Utf8FromPath(directory.root()) + "/";
  WriteBinaryFile(directory.root() / "empty" / "Data" / "W0000000.spr.NCS", "EAST0");
  const std::string tooLong = root + std::string(240, 'x');
  WriteBinaryFile(directory.root() / "filepath.txt", "D:\\Old\\\r\n");

  EXPECT_EQ(SaveChosenGameFolder(root + "empty"), ChosenFolderResult::NoGame);
  EXPECT_EQ(SaveChosenGameFolder(root + "missing"), ChosenFolderResult::NoGame);
  EXPECT_EQ(SaveChosenGameFolder(tooLong), ChosenFolderResult::TooLong);
  EXPECT_EQ(ReadBinaryFile(directory.root() / "filepath.txt"), "D:\\Old\\\r\n");

  // An entry filepath.txt that is no file is never replaced.
  fs::remove(directory.root() / "filepath.txt");
  fs::create_directory(directory.root() / "filepath.txt");
  WriteBinaryFile(directory.root() / "game" / "Char" / "B0000000.spr.NCS", "EAST0");
  EXPECT_EQ(SaveChosenGameFolder(root + "game"), ChosenFolderResult::NotSaved);
  EXPECT_TRUE(fs::is_directory(directory.root() / "filepath.txt"));
}

}  // namespace
}  // namespace vestara::testing
