#include "app/game_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/scoped_test_directory.h"
#include "unprivileged_user.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

const std::string kFirst = "C:\\Program Files\\Kestrelfen\\Vestara\\";
const std::string kSecond = "C:\\Program Files\\Vestara\\";
const std::string kPlay = "D:\\Games\\Play\\";
const std::string kHyo = "\xe8\xa1\xa8";  // U+8868, in Shift-JIS 0x95 0x5C
// Where those folders lie below the test root (the Wine prefix is root/wine, the working
// directory root/work).
const std::string kFirstDisk = "wine/drive_c/Program Files/Kestrelfen/Vestara";
const std::string kSecondDisk = "wine/drive_c/Program Files/Vestara";
const std::string kPlayDisk = "wine/drive_d/Games/Play";

// A working directory of its own, with HOME and the Wine prefix inside the test root.
class GameFolderTest : public ::testing::Test {
 protected:
  static fs::path Made(const fs::path& folder) {
    fs::create_directories(folder);
    return folder;
  }
  fs::path FolderFile() const { return work_ / "filepath.txt"; }
  // Makes the folder at `onDisk` (relative to the test root) hold the game.
  void InstallGame(const std::string& onDisk) const {
    WriteBinaryFile(directory_.root() / onDisk / "Char" / "B0000000.spr.NCS", "EAST0");
  }
  std::vector<fs::path> WorkEntries() const {
    return {fs::directory_iterator(work_), fs::directory_iterator()};
  }

  ScopedTestDirectory directory_;
  fs::path work_ = Made(directory_.root() / "work");
  ScopedEnvironmentVariable home_{"HOME", (directory_.root() / "home").string()};
  ScopedEnvironmentVariable prefix_{"WINEPREFIX", (directory_.root() / "wine").string()};
  ScopedWorkingDirectory cwd_{work_};
};

constexpr auto kNoFile = std::nullopt;
constexpr auto kUnchanged = std::nullopt;

struct Situation {
  std::string name;
  std::optional<std::string> fileBefore;
  std::vector<std::string> gamesOnDisk;
  std::string folder;
  std::optional<std::string> fileAfter;
};

const std::string g233(233, 'g'), h234(234, 'h');
const Situation kSituations[] = {
    // No usable first line: the default search, whose result the file then holds.
    {"NoFileBothDefaults", kNoFile, {kFirstDisk, kSecondDisk}, kFirst, kFirst + "\n"},
    {"NoFileSecondDefault", kNoFile, {kSecondDisk}, kSecond, kSecond + "\n"},
    {"NoFileNoDefault", kNoFile, {}, "", kSecond + "\n"},
    {"EmptyFile", "", {kSecondDisk}, kSecond, kSecond + "\n"},
    {"EmptyCrLfLine", "\r\n" + kPlay + "\r\n", {kPlayDisk, kFirstDisk}, kFirst, kFirst + "\n"},
    {"NulFirst", std::string(1, '\0') + kPlay, {kPlayDisk, kFirstDisk}, kFirst, kFirst + "\n"},
    // A named folder that holds the game; only an appended separator rewrites the file.
    {"EndsInBackslash", kPlay + "\r\nmore\r\n", {kPlayDisk, kFirstDisk}, kPlay, kUnchanged},
    {"BackslashAppended", "D:\\Games\\Play\r\nmore\r\n", {kPlayDisk}, kPlay, kPlay + "\n"},
    {"BackslashAppendedNoLineEnd", "D:\\Games\\Play", {kPlayDisk}, kPlay, kPlay + "\n"},
    {"TextAfterNul", kPlay + std::string("\0junk\n", 6), {kPlayDisk}, kPlay, kUnchanged},
    {"OtherLetterCase", "d:\\GAMES\\play\\\n", {kPlayDisk}, "d:\\GAMES\\play\\", kUnchanged},
    {"Relative", "..\\game\\\n", {"game"}, "..\\game\\", kUnchanged},
    {"RelativeGetsSlash", "../game\n", {"game"}, "../game/", "../game/\n"},
    {"SlashEndingCounts", "..\\game/\n", {"game"}, "..\\game/", kUnchanged},
    // The second byte of 0x95 0x5C is no separator.
    {"Cp932GetsBackslash", "\x95\x5c\n", {"work/" + kHyo}, kHyo + "\\", "\x95\x5c\x5c\n"},
    {"Cp932EndsInBackslash", "\x95\x5c\x5c\r\n", {"work/" + kHyo}, kHyo + "\\", kUnchanged},
    // A named folder without the game: no folder, no default, no rewrite.
    {"Missing", "D:\\Games\\Missing\\\n", {kFirstDisk, kSecondDisk}, "", kUnchanged},
    {"MissingWithoutBackslash", "D:\\Missing\n", {kFirstDisk}, "", kUnchanged},
    {"Cp932Missing", "\x95\x5c\n", {kFirstDisk}, "", kUnchanged},
    // Limits and undecodable lines.
    {"Longest", g233 + "\\\n", {"work/" + g233}, g233 + "\\", kUnchanged},
    {"TooLongWithBackslash", h234 + "\n", {"work/" + h234}, "", kUnchanged},
    {"Line10kBytes", std::string(10000, 'a'), {kFirstDisk}, "", kUnchanged},
    {"NeitherUtf8NorCp932", "\x81\x20game\\\n", {kFirstDisk}, "", kUnchanged},
};

class GameFolderSituationTest : public GameFolderTest,
                                public ::testing::WithParamInterface<Situation> {};

TEST_P(GameFolderSituationTest, FindsFolderAndUpdatesFile) {
  const Situation& situation = GetParam();
  if (situation.fileBefore) WriteBinaryFile(FolderFile(), *situation.fileBefore);
  for (const std::string& onDisk : situation.gamesOnDisk) InstallGame(onDisk);

  EXPECT_EQ(LoadGameFolder(), situation.folder);
  EXPECT_EQ(ReadBinaryFile(FolderFile()),
            situation.fileAfter ? situation.fileAfter : situation.fileBefore);
}

INSTANTIATE_TEST_SUITE_P(AllSituations, GameFolderSituationTest, ::testing::ValuesIn(kSituations),
                         [](const auto& info) { return info.param.name; });

TEST_F(GameFolderTest, ReadsTheFileAnewAtEveryCallAndKeepsTheWrittenDefault) {
  EXPECT_EQ(LoadGameFolder(), "");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), kSecond + "\n");
  // The line now names a folder, so a game appearing in the first default is not found.
  InstallGame(kFirstDisk);
  EXPECT_EQ(LoadGameFolder(), "");
  EXPECT_EQ(ReadBinaryFile(FolderFile()), kSecond + "\n");

  InstallGame(kPlayDisk);
  WriteBinaryFile(FolderFile(), kPlay + "\n");
  EXPECT_EQ(LoadGameFolder(), kPlay);
  // A probe that is no regular file marks no game.
  fs::remove_all(directory_.root() / kPlayDisk / "Char");
  fs::create_directories(directory_.root() / kPlayDisk / "Char" / "B0000000.spr.NCS");
  EXPECT_EQ(LoadGameFolder(), "");
}

TEST_F(GameFolderTest, RewriteReplacesTheWholeFileAtOnceKeepingItsPermissions) {
  // A long line makes a torn write likely to show.
  std::string folder = "..";
  while (folder.size() < 200) folder += "/.";
  folder += "/game";
  InstallGame("game");
  const fs::path staged = directory_.root() / "staged";
  // Puts the line back the way no reader can catch half-way, so only the rewrite is watched.
  const auto putLine = [&] {
    WriteBinaryFile(staged, folder + "\n");
    fs::permissions(staged, fs::perms::owner_read | fs::perms::owner_write);
    fs::rename(staged, FolderFile());
  };
  putLine();
  std::atomic<bool> done = false;
  int tornReads = 0;
  std::thread reader([&] {
    while (!done) {
      const std::string seen = ReadBinaryFile(FolderFile()).value_or("<missing>");
      tornReads += seen != folder + "\n" && seen != folder + "/\n";
    }
  });
  for (int round = 0; round < 200; ++round) {
    putLine();
    EXPECT_EQ(LoadGameFolder(), folder + "/");
  }
  done = true;
  reader.join();
  EXPECT_EQ(tornReads, 0);
  EXPECT_EQ(ReadBinaryFile(FolderFile()), folder + "/\n");
  EXPECT_EQ(fs::status(FolderFile()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(WorkEntries(), std::vector<fs::path>{FolderFile()});
}

TEST_F(GameFolderTest, EntriesThatMayNotBeReplacedStay) {
  InstallGame(kPlayDisk);
  InstallGame(kFirstDisk);
  const fs::perms anyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  const fs::perms readOnly = fs::perms::all & ~anyWrite & ~fs::perms::others_exec;
  using fs::file_type;
  const struct {
    const char* name;
    file_type type;  // of the entry named filepath.txt
    fs::perms file;
    fs::perms folder;
    std::string expected;
  } cases[] = {
      {"read-only file in a writable folder", file_type::regular, readOnly, fs::perms::all, kPlay},
      {"file in a read-only folder", file_type::regular, fs::perms::all, fs::perms::all & ~anyWrite,
       kPlay},
      {"unreadable file: as if missing", file_type::regular, fs::perms::none, fs::perms::all,
       kFirst},
      {"directory: as if missing", file_type::directory, fs::perms::all, fs::perms::all, kFirst},
      {"link to a file", file_type::symlink, fs::perms::all, fs::perms::all, kPlay},
  };
  const std::string line = "D:\\Games\\Play\n";
  const fs::path linked = directory_.root() / "linked";
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    fs::remove_all(FolderFile());
    WriteBinaryFile(linked, line);
    if (entry.type == file_type::directory) fs::create_directory(FolderFile());
    if (entry.type == file_type::symlink) fs::create_symlink(linked, FolderFile());
    if (entry.type == file_type::regular) WriteBinaryFile(FolderFile(), line);
    fs::permissions(FolderFile(), entry.file);
    fs::permissions(work_, entry.folder);
    std::string folder;
    {
      ScopedUnprivilegedUser user;
      if (!user.Binding()) GTEST_SKIP() << "no user whom permission bits bind";
      folder = LoadGameFolder();
    }
    fs::permissions(work_, fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(FolderFile(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(folder, entry.expected);
    EXPECT_EQ(fs::symlink_status(FolderFile()).type(), entry.type);
    EXPECT_EQ(ReadBinaryFile(entry.type == file_type::directory ? linked : FolderFile()), line);
    EXPECT_EQ(WorkEntries(), std::vector<fs::path>{FolderFile()});
  }
}

}  // namespace
}  // namespace vestara::testing
