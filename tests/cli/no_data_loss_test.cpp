// Nothing the tool does loses data: no file is replaced without --force, a failed write
// leaves nothing, no command writes into the game folder, and damaged input ends in exit
// code 2 with one line naming it, never in a crash.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>

#include "sample_game/archive_writer.h"
#include "sprite/archive_index.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::WriteBinaryFile;

TEST(NoDataLossTest, NoCommandReplacesAFileWithoutForceOrWritesIntoTheGameFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"render --category necklace --item 2 --game-dir game -o out.png", "out.png"},
      {"frame game/Data/Weapon.spr.NCS 0 -o out.bmp", "out.bmp"},
      {"export -o out --game-dir game --zoom 50", "out/soul/007.png"},
      {"export -o out --game-dir game --zoom 50", "out/index.html"},
      {"sample-game demo", "demo/Data/Shields.spr.NCS"},
  };
  for (const auto& [arguments, existing] : cases) {
    SCOPED_TRACE(arguments + " over " + existing);
    ToolTest fresh;
    fresh.WriteSampleGame();
    ASSERT_EQ(fresh.Run(arguments).exitCode, 0);

    ToolTest tool;
    tool.WriteSampleGame();
    WriteBinaryFile(tool.Work() / existing, "mine");
    // The kernel reports every change, even a file opened for writing and closed unchanged.
    const int watch = inotify_init1(IN_NONBLOCK);
    const auto events = IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVE;
    for (const char* folder : {"game", "game/Char", "game/Data"}) {
      ASSERT_GE(inotify_add_watch(watch, (tool.Work() / folder).c_str(), events), 0);
    }
    const auto before = TreeOf(tool.Work());
    const ToolRun refused = tool.Run(arguments);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, existing + ": already exists (use --force to replace it)\n");
    EXPECT_EQ(TreeOf(tool.Work()), before);  // not even the other files are written

    EXPECT_EQ(tool.Run(arguments + " --force").exitCode, 0);
    EXPECT_EQ(TreeOf(tool.Work()), TreeOf(fresh.Work()));  // replaced, and nothing else left
    alignas(inotify_event) char buffer[4096];
    EXPECT_LE(read(watch, buffer, sizeof buffer), 0) << "the game folder was written";
    close(watch);
  }
}

// Permission bits bind the tool only when it does not run as root.
TEST(NoDataLossTest, WhatCannotBeReadOrWrittenFailsUnprivilegedAndLeavesNothing) {
  const std::pair<std::string, std::string> cases[] = {
      {"filepath.txt", "ヴェスタラフォルダのパスを設定してください。\n"},
      {".", "G0000001.bmp: cannot write\n"}};
  for (const auto& [locked, message] : cases) {
    ToolTest tool;
    tool.WriteSampleGame();
    WriteBinaryFile(tool.Work() / "filepath.txt", "game\\\n");
    const auto before = TreeOf(tool.Work());
    // Passing through is all that is left: no reading, listing or writing.
    fs::permissions(tool.Work() / locked, fs::perms::owner_exec | fs::perms::others_exec);
    const auto run = tool.RunUnprivileged("render --category weapon --item 1");
    fs::permissions(tool.Work() / locked, fs::perms::owner_all);
    if (!run) GTEST_SKIP() << "no unprivileged user reaches the tool";
    EXPECT_EQ(run->exitCode, 2);
    EXPECT_EQ(run->err, message);
    EXPECT_EQ(run->out, "");
    EXPECT_EQ(TreeOf(tool.Work()), before);
  }
}

TEST(BadInputTest, DamagedArchivesGiveTheWholeFramesOnlyAndNeverCrash) {
  // The two-frame archive cut at every length, and one whose frame is too tall to draw.
  const auto whole = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const auto end = [&](int frame) { return index.dataStart + index.frameOffsets[frame + 1]; };
  ToolTest tool;
  tool.WriteSampleGame();
  const std::string weapons = "game/Data/Weapon.spr.NCS";
  const auto expectWholeFramesOnly = [&](const std::vector<std::uint8_t>& archive,
                                         std::uint32_t wholeFrames) {
    SCOPED_TRACE(std::to_string(archive.size()) + " bytes");
    testing::WriteBytes(tool.Work() / weapons, archive);
    const std::string render = "render --category weapon --game-dir game --item ";
    const std::tuple<std::string, std::string, bool> runs[] = {
        {"info " + weapons, "", false},
        {"frame " + weapons + " 0", "frame0.png", wholeFrames > 0},
        {"frame " + weapons + " 1", "frame1.png", wholeFrames > 1},
        {render + "0", "weapon0.png", wholeFrames > 0},
        {render + "1", "weapon1.png", wholeFrames > 1}};
    for (const auto& [arguments, picture, works] : runs) {
      const ToolRun run = tool.Run(arguments + (picture.empty() ? "" : " -o " + picture));
      EXPECT_EQ(run.exitCode, works ? 0 : 2) << arguments << ": " << run.err;
      const bool named =
          run.err.starts_with(weapons + ": ") && std::ranges::count(run.err, '\n') == 1;
      EXPECT_TRUE(works || named) << arguments << ": " << run.err;
      // A failure leaves no picture behind.
      EXPECT_TRUE(picture.empty() || fs::remove(tool.Work() / picture) == works) << arguments;
    }
  };
  for (std::size_t length = 0; length < whole.size(); ++length) {
    expectWholeFramesOnly(std::vector(whole.begin(), whole.begin() + std::ptrdiff_t(length)),
                          (length >= end(0)) + (length >= end(1)));
  }
  expectWholeFramesOnly(BuildArchive({{.height = 65535, .rows = {RowRecord{{{0, {1}}}}}}}), 0);
}

}  // namespace
}  // namespace vestara::clitest
