#include "game/game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_path.h"
#include "support/scoped_test_directory.h"
#include "support/unprivileged_user.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

const std::string kFirst = "C:\\Program Files\\Kestrelfen\\Vestara\\";
const std::string kSecond = "C:\\Program Files\\Vestara\\";
const std::string kPlay = "D:\\Games\\Play\\";
const std::string kHyo = "\xe8\xa1\xa8";  // U+8868, in Shift-JIS 0x95 0x5C
const std::string kBom = "\xef\xbb\xbf";
// Where those folders lie below the test root (the Wine prefix is root/wine, the working
// directory root/work).
const std::string kFirstDisk = "wine/drive_c/Program Files/Kestrelfen/Vestara";
const std::string kSecondDisk = "wine/drive_c/Program Files/Vestara";
const std::string kPlayDisk = "wine/drive_d/Games/Play";

// A working directory of its own, with the Wine prefix inside the test root.
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
    {"NoFileNoDefault", kNoFile, {}, "", kSecond + "\n"},
    {"EmptyCrLfLine", "\r\n" + kPlay + "\r\n", {kPlayDisk, kFirstDisk}, kFirst, kFirst + "\n"},
    // A named folder that holds the game; only an appended separator rewrites the file.
    {"EndsInBackslash", kPlay + "\r\nmore\r\n", {kPlayDisk, kFirstDisk}, kPlay, kUnchanged},
    {"BackslashAppended", "D:\\Games\\Play\r\nmore\r\n", {kPlayDisk}, kPlay, kPlay + "\n"},
    {"RelativeGetsSlash", "../game\n", {"game"}, "../game/", "../game/\n"},
    // The second byte of 0x95 0x5C is no separator.
    {"Cp932GetsBackslash", "\x95\x5c\n", {"work/" + kHyo}, kHyo + "\\", "\x95\x5c\x5c\n"},
    {"Cp932EndsInBackslash", "\x95\x5c\x5c\r\n", {"work/" + kHyo}, kHyo + "\\", kUnchanged},
    // A named folder without the game: no folder, no default, no rewrite.
    {"Missing", "D:\\Missing\n", {kFirstDisk}, "", kUnchanged},
    // Limits and undecodable lines.
    {"Longest", g233 + "\\\n", {"work/" + g233}, g233 + "\\", kUnchanged},
    {"TooLongWithBackslash", h234 + "\n", {"work/" + h234}, "", kUnchanged},
    {"NeitherUtf8NorCp932", "\x81\x20game\\\n", {kFirstDisk}, "", kUnchanged},
    // After a byte order mark the line is UTF-8, and the mark does not count to its length.
    {"BomGetsSeparator", kBom + kHyo + "\n", {"work/" + kHyo}, kHyo + "\\", kBom + kHyo + "\\\n"},
    {"BomLongest", kBom + g233 + "\\\n", {"work/" + g233}, g233 + "\\", kUnchanged},
    {"BomThenCp932", kBom + "\x95\x5c\n", {"work/" + kHyo}, "", kUnchanged},
};

class GameFolderSituationTest : public GameFolderTest,
                                public ::testing::WithParamInterface<Situation> {};

TEST_P(GameFolderSituationTest, FindsFolderAndUpdatesFile) {
  const Situation& situation = GetParam();
  const fs::path old = directory_.root() / "old";
  if (situation.fileBefore) {
    WriteBinaryFile(FolderFile(), *situation.fileBefore);
    fs::permissions(FolderFile(), fs::perms::owner_read | fs::perms::owner_write);
    // A second name of the file: writing in place, which a reader could catch half-way,
    // would change it too.
    fs::create_hard_link(FolderFile(), old);
  }
  for (const std::string& onDisk : situation.gamesOnDisk) InstallGame(onDisk);
  EXPECT_EQ(LoadGameFolder(), situation.folder);
  EXPECT_EQ(ReadBinaryFile(FolderFile()),
            situation.fileAfter ? situation.fileAfter : situation.fileBefore);
  if (situation.fileBefore) {
    EXPECT_EQ(ReadBinaryFile(old), situation.fileBefore);
    EXPECT_EQ(fs::status(FolderFile()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
  }
}

INSTANTIATE_TEST_SUITE_P(AllSituations, GameFolderSituationTest, ::testing::ValuesIn(kSituations),
                         [](const auto& info) { return info.param.name; });

TEST_F(GameFolderTest, EntriesThatMayNotBeReplacedStay) {
  InstallGame(kPlayDisk);
  InstallGame(kFirstDisk);
  fs::permissions(work_, fs::perms::all);
  const std::string line = "D:\\Games\\Play\n";
  const fs::path linked = directory_.root() / "linked";
  using enum fs::file_type;
  // The kind and permissions of the entry named filepath.txt; unreadable is as if missing.
  const std::tuple<fs::file_type, fs::perms, std::string> cases[] = {
      {regular, fs::perms::owner_read | fs::perms::others_read, kPlay},
      {regular, fs::perms::none, kFirst},
      {directory, fs::perms::all, kFirst},
      {symlink, fs::perms::all, kPlay},
  };
  for (const auto& [type, perms, expected] : cases) {
    fs::remove_all(FolderFile());
    WriteBinaryFile(linked, line);
    if (type == directory) fs::create_directory(FolderFile());
    if (type == symlink) fs::create_symlink(linked, FolderFile());
    if (type == regular) WriteBinaryFile(FolderFile(), line);
    fs::permissions(FolderFile(), perms);
    std::string folder;
    {
      ScopedUnprivilegedUser user;
      if (!user.Binding()) GTEST_SKIP() << "no user whom permission bits bind";
      folder = LoadGameFolder();
    }
    fs::permissions(FolderFile(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(folder, expected);
    EXPECT_EQ(fs::symlink_status(FolderFile()).type(), type);
    EXPECT_EQ(ReadBinaryFile(type == directory ? linked : FolderFile()), line);
    EXPECT_EQ(WorkEntries(), std::vector<fs::path>{FolderFile()});
  }
}

TEST_F(GameFolderTest, GamePathsMapDrivesSeparatorsAndLetterCase) {
  for (const char* file :
       {"wine/drive_c/Program Files/VESTARA/x", "work/Data/x", "work/DATA/x", "work/\xc3\x84"}) {
    WriteBinaryFile(directory_.root() / file, "");
  }
  const std::pair<std::string, std::string> cases[] = {
      {"c:\\PROGRAM FILES\\Vestara\\\\X",
       (directory_.root() / "wine/drive_c/Program Files/VESTARA/x").string()},
      // The exact case wins; more than one other match is none.
      {"DATA\\x", "DATA/x"},
      {"data//x", "data/x"},
      // Letters outside ASCII are not folded: U+00C4 on disk, U+00E4 asked for.
      {"\xc3\xa4", "\xc3\xa4"},
  };
  for (const auto& [gamePath, native] : cases)
    EXPECT_EQ(ToNativePath(gamePath), native) << gamePath;
}

}  // namespace
}  // namespace vestara::testing
