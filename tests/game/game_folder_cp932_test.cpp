// A filepath.txt written on the game's platform names its folder in code page 932; the
// folder must be found, read from and the line rewritten on every system.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "game/game_folder.h"
#include "game/game_path.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

// U+8868 U+30B2 U+30FC U+30E0: the first character's second byte in code page 932 is 0x5C,
// the byte of a backslash.
const std::string kFolderUtf8 = "\xe8\xa1\xa8\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0";
const std::string kFolderCp932 = "\x95\x5c\x83\x51\x81\x5b\x83\x80";

TEST(GameFolderCp932Test, FindsReadsAndRewritesAJapaneseFolder) {
  const ScopedTestDirectory directory;
  const fs::path game = directory.root() / PathFromUtf8(kFolderUtf8);
  const std::string archive = std::string("EAST0\r\n\x1a") + '\0' + "tail";
  WriteBinaryFile(game / "Char" / "B0000000.spr.NCS", "EAST0");
  WriteBinaryFile(game / "Data" / "W0000000.spr.NCS", archive);
  const ScopedWorkingDirectory cwd(directory.root());
  WriteBinaryFile(directory.root() / "filepath.txt", kFolderCp932 + "\r\n");

  const std::string folder = LoadGameFolder();
  EXPECT_EQ(folder, kFolderUtf8 + "\\");
  // The appended separator is written in the line's own encoding.
  EXPECT_EQ(ReadBinaryFile(directory.root() / "filepath.txt"), kFolderCp932 + "\\\n");
  const auto read = ReadFileBytes(ToNativePath(folder + "data\\w0000000.spr.ncs"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::string(read->begin(), read->end()), archive);
  // Read again, the rewritten line names the same folder and stays as it is.
  EXPECT_EQ(LoadGameFolder(), folder);
  EXPECT_EQ(ReadBinaryFile(directory.root() / "filepath.txt"), kFolderCp932 + "\\\n");
}

}  // namespace
}  // namespace vestara::testing
