// Damaged archives and unusable filepath.txt files, through the real executable: each
// ends in a defined exit code with one line on stderr, never in a crash, and leaves no
// picture behind when it fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "sprite/archive_index.h"
#include "sprite/archive_writer.h"
#include "support/test_pictures.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::WriteBinaryFile;
using testing::WriteBytes;

TEST(BadInputTest, DamagedArchivesGiveTheWholeFramesOnlyAndNeverCrash) {
  // Each archive with the number of its first frames that stay whole: the two-frame archive
  // cut at every length, then archives damaged in other ways.
  const auto whole = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  std::vector<std::pair<std::vector<std::uint8_t>, int>> archives;
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const auto kept = [&](int frame) {
      return length >= index.dataStart + index.frameOffsets[frame + 1];
    };
    archives.emplace_back(std::vector(whole.begin(), whole.begin() + std::ptrdiff_t(length)),
                          kept(0) + kept(1));
  }
  auto countless = whole;
  std::fill_n(countless.begin() + 6, 4, 0xFF);  // 2^32 - 1 frames
  archives.emplace_back(countless, 0);
  const auto frameArchive = [](std::uint16_t height, std::vector<std::optional<RowRecord>> rows) {
    return AssembleArchive({.frames = {EncodeFrame({.height = height, .rows = rows})}});
  };
  archives.emplace_back(frameArchive(65535, {RowRecord{{{0, {1}}}, {}}}), 0);
  // A run past the width, and a record that says it has no runs: it is read as one.
  archives.emplace_back(
      frameArchive(2, {RowRecord{{{0, {1, 2, 3}}}, {}}, RowRecord{{{1, {4, 5, 6}}}, {}}}), 1);
  archives.emplace_back(frameArchive(1, {RowRecord{{{2, {7}}}, 0}}), 1);
  archives.emplace_back(AssembleArchive({0, {}, {}}), 0);

  ToolTest tool;
  for (std::size_t i = 0; i < archives.size(); ++i) {
    const auto& [bytes, wholeFrames] = archives[i];
    SCOPED_TRACE("archive " + std::to_string(i));
    WriteBytes(tool.Work() / "damaged.spr.NCS", bytes);
    WriteWeaponGame(tool, "game", bytes);
    const ToolRun info = tool.Run("info damaged.spr.NCS");
    if (const auto header = ReadArchiveIndex(bytes)) {
      const auto frames = std::to_string(header->frameCount);
      EXPECT_TRUE(info.out.starts_with("frames " + frames + "\n")) << info.out;
      EXPECT_EQ(std::ranges::count(info.out, '\n'), header->frameCount + 1) << info.out;
      EXPECT_EQ(info.exitCode, info.out.find(" - ") == std::string::npos ? 0 : 2);
    } else {
      EXPECT_EQ(info.exitCode, 2);
      EXPECT_EQ(info.err, "damaged.spr.NCS: not a sprite archive\n");
    }
    for (int frame = 0; frame < 2; ++frame) {
      const std::string number = std::to_string(frame);
      const ToolRun runs[] = {
          tool.Run("frame damaged.spr.NCS " + number + " -o frame.png"),
          tool.Run("render --category weapon --game-dir game -o weapon.png --item " + number)};
      const std::string archiveNames[] = {"damaged.spr.NCS", "game/Data/Weapon.spr.NCS"};
      for (int command = 0; command < 2; ++command) {
        SCOPED_TRACE(archiveNames[command] + " frame " + number);
        const std::string& err = runs[command].err;
        EXPECT_EQ(runs[command].exitCode, frame < wholeFrames ? 0 : 2) << err;
        // A failure names the archive in one line.
        const bool named = err.starts_with(archiveNames[command] + ": ");
        EXPECT_TRUE(frame < wholeFrames || (named && std::ranges::count(err, '\n') == 1)) << err;
      }
      EXPECT_EQ(fs::remove(tool.Work() / "frame.png"), frame < wholeFrames);
      EXPECT_EQ(fs::remove(tool.Work() / "weapon.png"), frame < wholeFrames);
    }
  }
}

TEST(BadInputTest, UnusableFolderFilesShowTheViewersMessageAndStay) {
  std::string binary;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>((i * 167 + 13) % 256);
  // Without a file the default search leaves a line for the user to correct.
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"no file", std::nullopt}, {"binary", binary}, {"a folder", "/"}, {"unreadable", "game\\\n"}};
  for (const auto& [name, content] : cases) {
    SCOPED_TRACE(name);
    ToolTest tool;
    WriteWeaponGame(tool, "game", TwoFrameArchive());
    const fs::path file = tool.Work() / "filepath.txt";
    if (content == "/") fs::create_directory(file);
    if (content && content != "/") WriteBinaryFile(file, *content);
    if (name == "unreadable") fs::permissions(file, fs::perms::none);
    const std::string render = "render --category weapon --item 0";
    const auto run = name == "unreadable" ? tool.RunUnprivileged(render) : tool.Run(render);
    if (!run) continue;  // no unprivileged user reaches the tool: nothing to check
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(run->exitCode, 2);
    EXPECT_EQ(run->err, "ヴェスタラフォルダのパスを設定してください。\n");
    EXPECT_EQ(run->out, "");
    const auto tree = TreeOf(tool.Work());
    EXPECT_FALSE(tree.contains("G0000001.bmp"));
    EXPECT_EQ(tree.at("filepath.txt"), content.value_or("C:\\Program Files\\Vestara\\\n"));
  }
}

}  // namespace
}  // namespace vestara::clitest
