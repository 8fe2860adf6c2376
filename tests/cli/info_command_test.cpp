#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_test_support.h"
#include "sprite/archive_writer.h"

namespace vestara::clitest {
namespace {

const SpriteGrid kSmall = GridFromRows({"abc", "cba"}, {{'a', 1}, {'b', 2}, {'c', 3}});
// Rows 0 and 2 are empty: the width comes from row 1's record.
const SpriteGrid kGappy = GridFromRows({".....", "..a..", ".....", "a...a"}, {{'a', 9}});

TEST(InfoCommandTest, ListsEveryFrameWithMeasuredSizeAndByteSize) {
  ToolTest tool;
  const FrameRecord small = FrameFromGrid(kSmall);
  const FrameRecord gappy = FrameFromGrid(kGappy);
  WriteBytes(tool.InWork("test.spr.NCS"), BuildArchive({small, gappy, small}));

  const ToolRun run = tool.Run({"info", "test.spr.NCS"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string smallBytes = std::to_string(EncodeFrame(small).size());
  EXPECT_EQ(run.out, "frames 3\n0 3x2 " + smallBytes + "\n1 5x4 " +
                         std::to_string(EncodeFrame(gappy).size()) + "\n2 3x2 " + smallBytes +
                         "\n");
  EXPECT_EQ(run.err, "");
}

TEST(InfoCommandTest, DamagedFrameIsListedWithoutSizeAndExitsTwo) {
  ToolTest tool;
  const std::vector<std::uint8_t> frame = EncodeFrame(FrameFromGrid(kSmall));
  const auto size = static_cast<std::uint32_t>(frame.size());
  // The second frame's end lies far past the end of the file.
  WriteBytes(tool.InWork("damaged.spr.NCS"),
             AssembleArchive({0, {frame}, std::vector<std::uint32_t>{0, size, size + 5000}}));

  const ToolRun run = tool.Run({"info", "damaged.spr.NCS"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "frames 2\n0 3x2 " + std::to_string(size) + "\n1 - 5000\n");
  EXPECT_EQ(run.err, "damaged.spr.NCS: 1 damaged frame (listed with \"-\")\n");
}

TEST(InfoCommandTest, UnreadableArchivesExitTwoWithOneLineNamingTheFile) {
  ToolTest tool;
  WriteBytes(tool.InWork("notes.txt"), {'E', 'A', 'S', 'T', '1', 0, 0, 0, 0, 0});
  std::filesystem::create_directory(tool.InWork("folder.spr.NCS"));
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {"missing.spr.NCS", "missing.spr.NCS: no such file\n"},
      {"notes.txt", "notes.txt: not a sprite archive\n"},
      {"folder.spr.NCS", "folder.spr.NCS: not a file\n"},
  };
  for (const auto& expected : cases) {
    const ToolRun run = tool.Run({"info", expected.file});
    EXPECT_EQ(run.exitCode, 2) << expected.file;
    EXPECT_EQ(run.err, expected.message);
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace vestara::clitest
