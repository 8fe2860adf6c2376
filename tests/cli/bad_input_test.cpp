// Damaged archives, broken filepath.txt files and a read-only working directory, through
// the real executable: every case ends in a defined exit code with one line on stderr,
// never in a crash, and leaves no picture behind when it fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "sprite/archive_index.h"
#include "sprite/archive_writer.h"
#include "sprite/sprite_palette.h"
#include "unprivileged_run.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;

constexpr char kNoFolderMessage[] = "ヴェスタラフォルダのパスを設定してください。\n";

// Row 1 is empty; weapon items 0 and 1 show frames 0 and 1.
const SpriteGrid kFirst = GridFromRows({"ab.c", "....", ".cba"}, {{'a', 1}, {'b', 2}, {'c', 3}});
const SpriteGrid kSecond = GridFromRows({"a", "b"}, {{'a', 4}, {'b', 5}});

std::vector<std::uint8_t> TwoFrameArchive() {
  return BuildArchive({FrameFromGrid(kFirst), FrameFromGrid(kSecond)});
}

std::uint32_t Size(const std::vector<std::uint8_t>& bytes) {
  return static_cast<std::uint32_t>(bytes.size());
}

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A game folder holding only the probe file and `weapons` as the weapon archive.
void WriteWeaponGame(const ToolTest& tool, const std::vector<std::uint8_t>& weapons) {
  fs::create_directories(tool.Work() / "game" / "Char");
  fs::create_directories(tool.Work() / "game" / "Data");
  WriteBytes(tool.Work() / "game" / "Char" / "B0000000.spr.NCS", {'E', 'A', 'S', 'T', '0'});
  WriteBytes(tool.Work() / "game" / "Data" / "Weapon.spr.NCS", weapons);
}

ToolRun RenderWeapon(const ToolTest& tool, int item) {
  return tool.Run({"render", "--category", "weapon", "--item", std::to_string(item), "--game-dir",
                   "game", "-o", "weapon.png"});
}

// The weapon archive as the tool names it in its messages.
constexpr char kWeaponArchive[] = "game/Data/Weapon.spr.NCS";

// A failed run: exit 2, one line naming the file on stderr, and no `picture` (if any).
void ExpectFailure(const ToolTest& tool, const ToolRun& run, const std::string& file,
                   const std::string& picture = "") {
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(LineCount(run.err), 1u) << run.err;
  EXPECT_EQ(run.err.rfind(file + ": ", 0), 0u) << run.err;
  if (!picture.empty()) {
    EXPECT_FALSE(fs::exists(tool.Work() / picture));
  }
}

struct Truncation {
  std::string name;
  std::size_t length;
};

void PrintTo(const Truncation& truncation, std::ostream* out) { *out << truncation.name; }

// The two-frame archive cut at each boundary of its structure, and inside each field.
std::vector<Truncation> Truncations() {
  const auto whole = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const std::size_t frame = index.dataStart;
  const std::size_t mask = 1;  // three rows
  const std::size_t record = frame + 6 + mask;
  const std::size_t firstEnd = frame + index.frameOffsets[1];
  return {
      {"Empty", 0},
      {"InsideSignature", 3},
      {"AfterSignatureText", 5},
      {"AfterSignature", 6},
      {"InsideFrameCount", 8},
      {"AfterFrameCount", 10},
      {"AfterFirstOffset", 14},
      {"InsideLastOffset", frame - 1},
      {"AfterOffsetTable", frame},
      {"InsideReserved", frame + 2},
      {"AfterReserved", frame + 4},
      {"InsideHeight", frame + 5},
      {"AfterHeight", frame + 6},
      {"AfterRowMask", record},
      {"AfterRunCount", record + 1},
      {"InsideSkip", record + 2},
      {"AfterSkip", record + 3},
      {"AfterLiteralCount", record + 5},
      {"InsideFirstPixels", record + 6},
      {"InsideLastRecord", firstEnd - 1},
      {"AfterFirstFrame", firstEnd},
      {"InsideSecondFrame", firstEnd + 3},
      {"LastByteMissing", whole.size() - 1},
  };
}

class TruncatedArchiveTest : public ::testing::TestWithParam<Truncation> {};

TEST_P(TruncatedArchiveTest, InfoFrameAndRenderFailCleanlyForEveryCutFrame) {
  auto archive = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(archive);
  const std::size_t length = GetParam().length;
  archive.resize(length);
  ToolTest tool;
  WriteBytes(tool.InWork("cut.spr.NCS"), archive);
  WriteWeaponGame(tool, archive);

  const ToolRun info = tool.Run({"info", "cut.spr.NCS"});
  if (length < index.dataStart) {
    ExpectFailure(tool, info, "cut.spr.NCS");
    EXPECT_EQ(info.err, "cut.spr.NCS: not a sprite archive\n");
    EXPECT_EQ(info.out, "");
  } else {
    EXPECT_EQ(info.exitCode, 2);
    EXPECT_EQ(info.out.rfind("frames 2\n", 0), 0u) << info.out;
    EXPECT_EQ(LineCount(info.out), 3u) << info.out;
  }

  const SpriteGrid* grids[] = {&kFirst, &kSecond};
  for (int frame = 0; frame < 2; ++frame) {
    SCOPED_TRACE(frame);
    const bool whole = length >= index.dataStart + index.frameOffsets[frame + 1];
    const std::string picture = "frame" + std::to_string(frame) + ".png";
    const ToolRun run = tool.Run({"frame", "cut.spr.NCS", std::to_string(frame), "-o", picture});
    const ToolRun render = RenderWeapon(tool, frame);
    if (whole) {
      EXPECT_EQ(run.exitCode, 0) << run.err;
      const auto image = DecodeImage(tool.InWork(picture));
      ASSERT_TRUE(image);
      EXPECT_EQ(image->width, grids[frame]->width);
      EXPECT_EQ(image->height, grids[frame]->height);
      EXPECT_EQ(render.exitCode, 0) << render.err;
      fs::remove(tool.InWork("weapon.png"));
    } else {
      ExpectFailure(tool, run, "cut.spr.NCS", picture);
      ExpectFailure(tool, render, kWeaponArchive, "weapon.png");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryBoundary, TruncatedArchiveTest, ::testing::ValuesIn(Truncations()),
                         [](const auto& info) { return info.param.name; });

struct DamagedArchive {
  std::string name;
  std::vector<std::uint8_t> bytes;
  // What `info` prints; empty when the bytes are refused as a whole.
  std::string infoOut;
  // Whether frame 0 makes a picture.
  bool frameZeroWhole;
};

void PrintTo(const DamagedArchive& archive, std::ostream* out) { *out << archive.name; }

std::vector<std::uint8_t> WithFrameCount(std::vector<std::uint8_t> archive, std::uint32_t count) {
  for (std::size_t i = 0; i < 4; ++i)
    archive.at(6 + i) = static_cast<std::uint8_t>(count >> (8 * i));
  return archive;
}

std::vector<DamagedArchive> DamagedArchives() {
  const auto first = EncodeFrame(FrameFromGrid(kFirst));
  const auto second = EncodeFrame(FrameFromGrid(kSecond));
  const auto tall = [](std::uint16_t height) {
    return EncodeFrame({.height = height, .rows = {RowRecord{{{0, {1}}}, {}}}});
  };
  const auto runPastWidth = EncodeFrame(
      {.height = 2,
       .rows = {RowRecord{{{0, {1, 2, 3}}}, {}}, RowRecord{{{1, {4, 5, 6, 7, 8}}}, {}}}});
  // The record says it has no runs; it is read as one.
  const auto zeroRuns = EncodeFrame({.height = 1, .rows = {RowRecord{{{2, {7}}}, 0}}});
  const std::string firstLine = "0 4x3 " + std::to_string(first.size()) + "\n";
  return {
      {"OffsetPastTheEnd",
       AssembleArchive({0, {first}, std::vector<std::uint32_t>{0, Size(first) + 100}}),
       "frames 1\n0 - " + std::to_string(first.size() + 100) + "\n", false},
      {"DecreasingOffsets",
       AssembleArchive(
           {0, {first, second}, std::vector<std::uint32_t>{Size(first), 0, Size(first)}}),
       "frames 2\n0 - " + std::to_string(std::uint32_t(0) - Size(first)) + "\n" + "1 4x3 " +
           std::to_string(first.size()) + "\n",
       false},
      {"FrameCount512", WithFrameCount(TwoFrameArchive(), 512), "", false},
      {"FrameCountHuge", WithFrameCount(TwoFrameArchive(), 0xFFFFFFFF), "", false},
      {"Height2049", AssembleArchive({0, {tall(2049)}, {}}),
       "frames 1\n0 - " + std::to_string(tall(2049).size()) + "\n", false},
      {"Height65535", AssembleArchive({0, {tall(65535)}, {}}),
       "frames 1\n0 - " + std::to_string(tall(65535).size()) + "\n", false},
      {"RunLongerThanWidth", AssembleArchive({0, {runPastWidth}, {}}),
       "frames 1\n0 3x2 " + std::to_string(runPastWidth.size()) + "\n", true},
      {"ZeroRunRecord", AssembleArchive({0, {zeroRuns}, {}}),
       "frames 1\n0 3x1 " + std::to_string(zeroRuns.size()) + "\n", true},
      {"NoFrames", AssembleArchive({0, {}, {}}), "frames 0\n", false},
  };
}

class DamagedArchiveTest : public ::testing::TestWithParam<DamagedArchive> {};

TEST_P(DamagedArchiveTest, InfoFrameAndRenderGiveDefinedResults) {
  const DamagedArchive& damaged = GetParam();
  ToolTest tool;
  WriteBytes(tool.InWork("damaged.spr.NCS"), damaged.bytes);
  WriteWeaponGame(tool, damaged.bytes);

  const ToolRun info = tool.Run({"info", "damaged.spr.NCS"});
  EXPECT_EQ(info.out, damaged.infoOut);
  const bool listsNoDamage = damaged.infoOut.find(" - ") == std::string::npos;
  EXPECT_EQ(info.exitCode, !damaged.infoOut.empty() && listsNoDamage ? 0 : 2) << info.err;

  const ToolRun frame = tool.Run({"frame", "damaged.spr.NCS", "0", "-o", "frame.png"});
  const ToolRun render = RenderWeapon(tool, 0);
  if (damaged.frameZeroWhole) {
    EXPECT_EQ(frame.exitCode, 0) << frame.err;
    EXPECT_EQ(render.exitCode, 0) << render.err;
  } else {
    ExpectFailure(tool, frame, "damaged.spr.NCS", "frame.png");
    ExpectFailure(tool, render, kWeaponArchive, "weapon.png");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedArchiveTest, ::testing::ValuesIn(DamagedArchives()),
                         [](const auto& info) { return info.param.name; });

const DamagedArchive& DamagedArchiveNamed(const std::string& name) {
  static const std::vector<DamagedArchive> archives = DamagedArchives();
  return *std::find_if(archives.begin(), archives.end(),
                       [&](const DamagedArchive& archive) { return archive.name == name; });
}

TEST(DamagedArchivePixelsTest, RunsPastTheWidthAndZeroRunRecordsPaintOnlyTheFrame) {
  ToolTest tool;
  const DamagedArchive* cases[] = {&DamagedArchiveNamed("RunLongerThanWidth"),
                                   &DamagedArchiveNamed("ZeroRunRecord")};
  // Row 1 of the long run: one skipped pixel, then the first two of its five pixels.
  const std::vector<std::vector<std::uint32_t>> expected[] = {
      {{SpritePalette[1], SpritePalette[2], SpritePalette[3]},
       {0xFFFFFF, SpritePalette[4], SpritePalette[5]}},
      {{0xFFFFFF, 0xFFFFFF, SpritePalette[7]}},
  };
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(cases[i]->name);
    const std::string picture = cases[i]->name + ".png";
    WriteBytes(tool.InWork("damaged.spr.NCS"), cases[i]->bytes);
    ASSERT_EQ(tool.Run({"frame", "damaged.spr.NCS", "0", "-o", picture}).exitCode, 0);
    const auto image = DecodeImage(tool.InWork(picture));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->height, static_cast<int>(expected[i].size()));
    for (int y = 0; y < image->height; ++y) {
      ASSERT_EQ(image->width, static_cast<int>(expected[i][y].size()));
      for (int x = 0; x < image->width; ++x) EXPECT_EQ(image->Rgb(x, y), expected[i][y][x]);
    }
  }
}

TEST(FrameIndexTest, FrameNumberEqualToTheFrameCountIsMissing) {
  ToolTest tool;
  WriteBytes(tool.InWork("two.spr.NCS"), TwoFrameArchive());
  const ToolRun frame = tool.Run({"frame", "two.spr.NCS", "2", "-o", "frame.png"});
  ExpectFailure(tool, frame, "two.spr.NCS", "frame.png");
  EXPECT_EQ(frame.err, "two.spr.NCS: has no frame 2 (it has 2 frames)\n");

  // Weapon item 2 shows frame 2: one past the last frame of this weapon archive.
  WriteWeaponGame(tool, TwoFrameArchive());
  const ToolRun render = RenderWeapon(tool, 2);
  ExpectFailure(tool, render, kWeaponArchive, "weapon.png");
  EXPECT_EQ(render.err, std::string(kWeaponArchive) + ": frame 2 is missing or damaged\n");
}

struct BrokenFolderFile {
  std::string name;
  // Written as filepath.txt; nullopt makes a directory of that name instead.
  std::optional<std::string> content;
  bool findsGame;
  // filepath.txt afterwards when the tool rewrites it.
  std::optional<std::string> rewritten;
};

void PrintTo(const BrokenFolderFile& file, std::ostream* out) { *out << file.name; }

std::vector<BrokenFolderFile> BrokenFolderFiles() {
  std::string binary;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>((i * 167 + 13) % 256);
  return {
      {"Binary", binary, false, std::nullopt},
      {"TenKilobytesOnOneLine", std::string(10 * 1024, 'g'), false, std::nullopt},
      {"LongLineNamingTheGame", "game\\" + std::string(10 * 1024, ' '), false, std::nullopt},
      {"NulAfterTheFolder", std::string("game\\\0junk\n", 11), true, std::nullopt},
      {"NulFirst", std::string("\0game\\\n", 7), false, "C:\\Program Files\\Vestara\\\n"},
      {"OnlyCarriageReturns", "\r\r\r", false, std::nullopt},
      {"OnlyCarriageReturn", "\r", false, "C:\\Program Files\\Vestara\\\n"},
      {"Directory", std::nullopt, false, std::nullopt},
  };
}

class BrokenFolderFileTest : public ::testing::TestWithParam<BrokenFolderFile> {};

TEST_P(BrokenFolderFileTest, RenderFindsTheGameOrShowsTheMessage) {
  const BrokenFolderFile& broken = GetParam();
  ToolTest tool;
  WriteWeaponGame(tool, TwoFrameArchive());
  const fs::path file = tool.Work() / "filepath.txt";
  if (broken.content) {
    WriteBytes(file, {broken.content->begin(), broken.content->end()});
  } else {
    fs::create_directory(file);
  }

  const ToolRun run = tool.Run({"render", "--category", "weapon", "--item", "0"});
  if (broken.findsGame) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Save as :G0000001.bmp\n");
  } else {
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, kNoFolderMessage);
    EXPECT_FALSE(fs::exists(tool.Work() / "G0000001.bmp"));
  }
  if (!broken.content) {
    EXPECT_TRUE(fs::is_directory(file));
  } else {
    EXPECT_EQ(ReadText(file), broken.rewritten.value_or(*broken.content));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BrokenFolderFileTest, ::testing::ValuesIn(BrokenFolderFiles()),
                         [](const auto& info) { return info.param.name; });

// The permission tests run the tool as a user that permission bits bind.
class PermissionTest : public ::testing::Test {
 protected:
  ToolRun RunBound(const std::vector<std::string>& arguments) {
    const std::optional<ToolRun> run = RunUnprivileged(tool_, arguments);
    if (!run) ADD_FAILURE() << "the unprivileged user cannot reach the tool";
    return run.value_or(ToolRun{});
  }
  void SetUp() override {
    if (!RunUnprivileged(tool_, {"--help"})) {
      GTEST_SKIP() << "no unprivileged user can reach the tool and the test folder";
    }
    WriteWeaponGame(tool_, TwoFrameArchive());
  }

  ToolTest tool_;
};

TEST_F(PermissionTest, UnreadableFolderFileActsAsMissingAndStays) {
  WriteBytes(tool_.Work() / "filepath.txt", {'g', 'a', 'm', 'e', '\\', '\n'});
  fs::permissions(tool_.Work() / "filepath.txt", fs::perms::none);
  const ToolRun run = RunBound({"render", "--category", "weapon", "--item", "0"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, kNoFolderMessage);
  fs::permissions(tool_.Work() / "filepath.txt", fs::perms::owner_read);
  EXPECT_EQ(ReadText(tool_.Work() / "filepath.txt"), "game\\\n");
}

TEST_F(PermissionTest, ReadOnlyWorkingDirectoryFailsTheSnapshotAndLeavesNothing) {
  WriteBytes(tool_.Work() / "filepath.txt", {'g', 'a', 'm', 'e', '\\', '\n'});
  fs::permissions(tool_.Work(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
  const ToolRun run = RunBound({"render", "--category", "weapon", "--item", "1"});
  fs::permissions(tool_.Work(), fs::perms::owner_all);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "G0000001.bmp: cannot write\n");
  EXPECT_EQ(run.out, "");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(tool_.Work())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"filepath.txt", "game"}));
}

}  // namespace
}  // namespace vestara::clitest
