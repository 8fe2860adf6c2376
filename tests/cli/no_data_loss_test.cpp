// Nothing the tool does loses data: no file is replaced without --force, a failed write
// leaves nothing, and no command ever writes into the game folder.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <string>

#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;
using testing::WriteBinaryFile;

TEST(NoDataLossTest, NoCommandReplacesAFileWithoutForceAndForceLeavesNoTemporaryFile) {
  const struct {
    std::string arguments, existing;
  } cases[] = {
      {"render --category necklace --item 2 --game-dir game -o out.png", "out.png"},
      {"frame game/Data/Weapon.spr.NCS 0 -o out.bmp", "out.bmp"},
      {"export -o out --game-dir game --zoom 50", "out/soul/007.png"},
      {"export -o out --game-dir game --zoom 50", "out/index.html"},
      {"sample-game demo", "demo/Data/Shields.spr.NCS"},
  };
  for (const auto& overwrite : cases) {
    SCOPED_TRACE(overwrite.arguments + " over " + overwrite.existing);
    ToolTest fresh;
    fresh.WriteSampleGame();
    ASSERT_EQ(fresh.Run(overwrite.arguments).exitCode, 0);

    ToolTest tool;
    tool.WriteSampleGame();
    WriteBinaryFile(tool.Work() / overwrite.existing, "mine");
    const auto before = TreeOf(tool.Work());
    const ToolRun refused = tool.Run(overwrite.arguments);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, overwrite.existing + ": already exists (use --force to replace it)\n");
    EXPECT_EQ(TreeOf(tool.Work()), before);  // not even the other files are written

    const ToolRun forced = tool.Run(overwrite.arguments + " --force");
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_EQ(TreeOf(tool.Work()), TreeOf(fresh.Work()));  // replaced, and nothing else left
  }
}

TEST(NoDataLossTest, NoCommandWritesIntoTheGameFolder) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBinaryFile(tool.Work() / "filepath.txt", "game/\n");
  const fs::path game = tool.Work() / "game";
  const auto before = TreeOf(game);
  // The kernel reports every change, even a file opened for writing and closed unchanged.
  const int watch = inotify_init1(IN_NONBLOCK);
  const auto events = IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVE;
  for (const fs::path& folder : {game, game / "Char", game / "Data"}) {
    ASSERT_GE(inotify_add_watch(watch, folder.c_str(), events), 0) << folder;
  }

  for (const std::string arguments :
       {"info game/Data/Weapon.spr.NCS", "info game/Char/B0000000.spr.NCS",
        "frame game/Data/eitem.spr.NCS 13 -o frame.png --transparent",
        "render --category armor --item 3 --colour 2 --gender female --game-dir game -o a.png",
        "render --category shoes --item 1 --zoom 50",
        "export -o out --game-dir game --format bmp"}) {
    const ToolRun run = tool.Run(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments << ": " << run.err;
  }
  alignas(inotify_event) char buffer[4096];
  EXPECT_LE(read(watch, buffer, sizeof buffer), 0) << "the game folder was written";
  close(watch);
  EXPECT_EQ(TreeOf(game), before);
}

TEST(NoDataLossTest, SnapshotThatCannotBeWrittenFailsAndLeavesNothing) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBinaryFile(tool.Work() / "filepath.txt", "game\\\n");
  const auto before = TreeOf(tool.Work());
  const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(tool.Work(), writable, fs::perm_options::remove);
  const auto run = tool.RunUnprivileged("render --category weapon --item 1");
  fs::permissions(tool.Work(), fs::perms::owner_write, fs::perm_options::add);
  if (!run) GTEST_SKIP() << "no unprivileged user reaches the tool";
  EXPECT_EQ(run->exitCode, 2);
  EXPECT_EQ(run->err, "G0000001.bmp: cannot write\n");
  EXPECT_EQ(run->out, "");
  EXPECT_EQ(TreeOf(tool.Work()), before);
}

}  // namespace
}  // namespace vestara::clitest
