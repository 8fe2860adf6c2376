#include "app/game_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/scoped_test_directory.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;
using testing::WriteBinaryFile;

const std::string kFirstDefault = "C:\\Program Files\\Kestrelfen\\Vestara\\";
const std::string kSecondDefault = "C:\\Program Files\\Vestara\\";
// Where the folders above and D:\Games\Play live, relative to the test root (the Wine
// prefix is root/wine, the working directory root/work).
const std::string kFirstDefaultOnDisk = "wine/drive_c/Program Files/Kestrelfen/Vestara";
const std::string kSecondDefaultOnDisk = "wine/drive_c/Program Files/Vestara";
const std::string kPlayOnDisk = "wine/drive_d/Games/Play";

// A working directory of its own, with HOME and the Wine prefix inside the test root.
class GameFolderTest : public ::testing::Test {
 protected:
  GameFolderTest()
      : work_(MakeWork(directory_.root())),
        home_("HOME", (directory_.root() / "home").string()),
        prefix_("WINEPREFIX", (directory_.root() / "wine").string()),
        cwd_(work_) {}

  static fs::path MakeWork(const fs::path& root) {
    fs::create_directories(root / "work");
    return root / "work";
  }

  const fs::path& root() const { return directory_.root(); }
  fs::path FolderFile() const { return work_ / "filepath.txt"; }

  // Makes the folder at `onDisk` (relative to the test root) hold the game.
  void InstallGame(const std::string& onDisk) const {
    WriteBinaryFile(root() / onDisk / "Char" / "B0000000.spr.NCS", "EAST0");
  }

  testing::ScopedTestDirectory directory_;
  fs::path work_;
  testing::ScopedEnvironmentVariable home_;
  testing::ScopedEnvironmentVariable prefix_;
  testing::ScopedWorkingDirectory cwd_;
};

struct Situation {
  std::string name;
  std::optional<std::string> fileBefore;  // nullopt: no filepath.txt
  std::vector<std::string> gamesOnDisk;
  std::string expectedFolder;
  std::optional<std::string> fileAfter;  // nullopt: unchanged

  friend void PrintTo(const Situation& situation, std::ostream* out) { *out << situation.name; }
};

std::vector<Situation> Situations() {
  const std::string folder233(233, 'g');
  const std::string folder234(234, 'h');
  return {
      // No usable line: the default search.
      {"MissingFirstDefault",
       std::nullopt,
       {kFirstDefaultOnDisk},
       kFirstDefault,
       kFirstDefault + "\n"},
      {"MissingBothDefaults",
       std::nullopt,
       {kFirstDefaultOnDisk, kSecondDefaultOnDisk},
       kFirstDefault,
       kFirstDefault + "\n"},
      {"MissingOnlySecondDefault",
       std::nullopt,
       {kSecondDefaultOnDisk},
       kSecondDefault,
       kSecondDefault + "\n"},
      {"MissingNoDefault", std::nullopt, {}, "", kSecondDefault + "\n"},
      {"EmptyFile", "", {kSecondDefaultOnDisk}, kSecondDefault, kSecondDefault + "\n"},
      {"EmptyFirstLine",
       "\nD:\\Games\\Play\\\n",
       {kPlayOnDisk, kSecondDefaultOnDisk},
       kSecondDefault,
       kSecondDefault + "\n"},
      {"EmptyFirstLineNoDefault", "\n", {}, "", kSecondDefault + "\n"},
      {"OnlyCarriageReturn", "\r", {kFirstDefaultOnDisk}, kFirstDefault, kFirstDefault + "\n"},
      {"EmptyCrLfLine",
       "\r\nD:\\Games\\Play\\\r\n",
       {kPlayOnDisk, kFirstDefaultOnDisk},
       kFirstDefault,
       kFirstDefault + "\n"},
      {"NulFirst",
       std::string("\0D:\\Games\\Play\\\n", 16),
       {kPlayOnDisk, kFirstDefaultOnDisk},
       kFirstDefault,
       kFirstDefault + "\n"},

      // A named folder that holds the game.
      {"EndsInBackslash",
       "D:\\Games\\Play\\\n",
       {kPlayOnDisk, kFirstDefaultOnDisk},
       "D:\\Games\\Play\\",
       std::nullopt},
      {"EndsInBackslashWithMoreLines",
       "D:\\Games\\Play\\\r\nmore\r\n",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       std::nullopt},
      {"EndsInBackslashNoLineEnd",
       "D:\\Games\\Play\\",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       std::nullopt},
      {"BackslashAppended",
       "D:\\Games\\Play\n",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       "D:\\Games\\Play\\\n"},
      {"BackslashAppendedSecondLineDropped",
       "D:\\Games\\Play\nsecond line\n",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       "D:\\Games\\Play\\\n"},
      {"BackslashAppendedCrLf",
       "D:\\Games\\Play\r\nsecond line\r\n",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       "D:\\Games\\Play\\\n"},
      {"BackslashAppendedNoLineEnd",
       "D:\\Games\\Play",
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       "D:\\Games\\Play\\\n"},
      {"TextAfterNulIgnored",
       std::string("D:\\Games\\Play\\\0junk\n", 20),
       {kPlayOnDisk},
       "D:\\Games\\Play\\",
       std::nullopt},
      {"OtherLetterCase", "d:\\GAMES\\play\\\n", {kPlayOnDisk}, "d:\\GAMES\\play\\", std::nullopt},
      {"RelativeFolder", "..\\game\\\n", {"game"}, "..\\game\\", std::nullopt},
      {"RelativeSlashFolderGetsSlash", "../game\n", {"game"}, "../game/", "../game/\n"},
      {"SlashEndingCounts", "..\\game/\n", {"game"}, "..\\game/", std::nullopt},

      // Shift-JIS lines: U+8868 is 0x95 0x5C, whose second byte is not a backslash.
      {"Cp932FolderGetsBackslash",
       "\x95\x5c\n",
       {"work/\xe8\xa1\xa8"},
       "\xe8\xa1\xa8\\",
       "\x95\x5c\x5c\n"},
      {"Cp932FolderEndingInBackslash",
       "\x95\x5c\x5c\r\n",
       {"work/\xe8\xa1\xa8"},
       "\xe8\xa1\xa8\\",
       std::nullopt},
      {"Cp932FolderMissing", "\x95\x5c\n", {kFirstDefaultOnDisk}, "", std::nullopt},

      // A named folder that does not: no folder, no defaults, no rewrite.
      {"MissingFolder",
       "D:\\Games\\Missing\\\n",
       {kFirstDefaultOnDisk, kSecondDefaultOnDisk},
       "",
       std::nullopt},
      {"MissingFolderWithoutBackslash",
       "D:\\Games\\Missing\n",
       {kFirstDefaultOnDisk},
       "",
       std::nullopt},
      {"FolderWithoutProbe", "..\\game\\\n", {}, "", std::nullopt},

      // Limits and undecodable lines.
      {"Longest", folder233 + "\\\n", {"work/" + folder233}, folder233 + "\\", std::nullopt},
      {"TooLongOnceBackslashAppended", folder234 + "\n", {"work/" + folder234}, "", std::nullopt},
      {"Line300Bytes", std::string(300, 'a') + "\n", {kFirstDefaultOnDisk}, "", std::nullopt},
      {"Line10kBytes", std::string(10000, 'a'), {kFirstDefaultOnDisk}, "", std::nullopt},
      {"NeitherUtf8NorCp932", "\x81\x20game\\\n", {kFirstDefaultOnDisk}, "", std::nullopt},
      {"BinaryFile",
       std::string("\xff\xfe\x01\x02\x00\x80\n\xfd", 8),
       {kFirstDefaultOnDisk},
       "",
       std::nullopt},
  };
}

class GameFolderSituationTest : public GameFolderTest,
                                public ::testing::WithParamInterface<Situation> {};

TEST_P(GameFolderSituationTest, FindsFolderAndUpdatesFile) {
  const Situation& situation = GetParam();
  if (situation.fileBefore) WriteBinaryFile(FolderFile(), *situation.fileBefore);
  for (const std::string& onDisk : situation.gamesOnDisk) InstallGame(onDisk);

  EXPECT_EQ(LoadGameFolder(), situation.expectedFolder);
  EXPECT_EQ(ReadBinaryFile(FolderFile()),
            situation.fileAfter ? situation.fileAfter : situation.fileBefore);
}

INSTANTIATE_TEST_SUITE_P(AllSituations, GameFolderSituationTest, ::testing::ValuesIn(Situations()),
                         [](const auto& info) { return info.param.name; });

TEST_F(GameFolderTest, ReadsTheFileAnewAtEveryCall) {
  InstallGame(kPlayOnDisk);
  InstallGame("game");
  WriteBinaryFile(FolderFile(), "D:\\Games\\Play\\\n");
  EXPECT_EQ(LoadGameFolder(), "D:\\Games\\Play\\");
  WriteBinaryFile(FolderFile(), "..\\game\\\n");
  EXPECT_EQ(LoadGameFolder(), "..\\game\\");
}

TEST_F(GameFolderTest, WrittenSecondDefaultStopsTheDefaultSearch) {
  EXPECT_EQ(LoadGameFolder(), "");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), kSecondDefault + "\n");

  // The line now names a folder, so a game appearing in the first default is not found.
  InstallGame(kFirstDefaultOnDisk);
  EXPECT_EQ(LoadGameFolder(), "");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), kSecondDefault + "\n");
}

TEST_F(GameFolderTest, ProbeMustBeARegularFile) {
  fs::create_directories(root() / kPlayOnDisk / "Char" / "B0000000.spr.NCS");
  WriteBinaryFile(FolderFile(), "D:\\Games\\Play\\\n");
  EXPECT_EQ(LoadGameFolder(), "");
}

TEST_F(GameFolderTest, RewriteLeavesOnlyTheFileBehind) {
  InstallGame(kPlayOnDisk);
  WriteBinaryFile(FolderFile(), "D:\\Games\\Play\n");
  chmod(FolderFile().c_str(), 0640);

  EXPECT_EQ(LoadGameFolder(), "D:\\Games\\Play\\");

  std::vector<fs::path> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(work_)) {
    entries.push_back(entry.path().filename());
  }
  EXPECT_EQ(entries, std::vector<fs::path>{"filepath.txt"});
  EXPECT_EQ(fs::status(FolderFile()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(GameFolderTest, DirectoryNamedLikeTheFileActsAsMissingAndStays) {
  InstallGame(kFirstDefaultOnDisk);
  fs::create_directory(FolderFile());

  EXPECT_EQ(LoadGameFolder(), kFirstDefault);
  EXPECT_TRUE(fs::is_directory(FolderFile()));
}

TEST_F(GameFolderTest, UnwritableWorkingDirectoryStillYieldsTheFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  InstallGame(kPlayOnDisk);
  WriteBinaryFile(FolderFile(), "D:\\Games\\Play\n");
  fs::permissions(work_, fs::perms::owner_read | fs::perms::owner_exec);

  EXPECT_EQ(LoadGameFolder(), "D:\\Games\\Play\\");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), "D:\\Games\\Play\n");
}

TEST_F(GameFolderTest, ReadOnlyFileIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  InstallGame(kPlayOnDisk);
  WriteBinaryFile(FolderFile(), "D:\\Games\\Play\n");
  fs::permissions(FolderFile(), fs::perms::owner_read);

  EXPECT_EQ(LoadGameFolder(), "D:\\Games\\Play\\");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), "D:\\Games\\Play\n");
}

}  // namespace
}  // namespace vestara
