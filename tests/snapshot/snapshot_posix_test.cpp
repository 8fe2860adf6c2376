// Names held by what only POSIX systems have here (links, unreadable files), and saving
// under a file size limit and by two forked processes racing for the same name.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <new>
#include <string>

#include "snapshot/snapshot.h"
#include "snapshot_fixture.h"
#include "support/scoped_test_directory.h"

namespace vestara::test {
namespace {

namespace fs = std::filesystem;

TEST_F(SnapshotTest, LinksAndUnreadableFilesHoldTheirNames) {
  fs::create_symlink("missing-target", "G0000001.bmp");
  testing::WriteBinaryFile(fs::current_path() / "G0000002.bmp", "x");
  fs::permissions("G0000002.bmp", fs::perms::none);
  fs::create_symlink("G0000003.bmp", "G0000003.bmp");  // a link to itself
  EXPECT_EQ(FindFreeSnapshotName(), "G0000004.bmp");
  // The dangling link's name is held: nothing is written through it.
  EXPECT_EQ(SaveNextSnapshot(TestImage(2, 2)).name, "G0000004.bmp");
  EXPECT_FALSE(fs::exists("missing-target"));
}

// A write cut short (here by a file size limit) must fail and take its partial file away.
TEST_F(SnapshotTest, ShortWriteFailsAndRemovesThePartialFile) {
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = SaveNextSnapshot(TestImage(50, 50)).saved;
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(fs::is_empty("."));
}

// Two processes save 100 pictures each in lockstep: before every save each spins until the
// other is there too, so that their searches meet on the same free name.
TEST_F(SnapshotTest, TwoProcessesSavingAtOnceKeepEveryPicture) {
  void* shared = mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                      MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(shared, MAP_FAILED);
  auto* arrived = new (shared) std::atomic<int>(0);
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = fork();
    if (children[i] == 0) {
      bool allSaved = true;
      for (int save = 1; save <= 100; ++save) {
        // Each round in a folder of its own, where both searches are short.
        fs::create_directory(std::to_string(save));
        ++*arrived;
        // A partner that died leaves this one waiting: give up after a few seconds' spinning.
        for (long spin = 0; *arrived < 2 * save; ++spin) {
          if (spin > 4'000'000'000) _exit(2);
        }
        const testing::ScopedWorkingDirectory inRound(std::to_string(save));
        allSaved = SaveNextSnapshot(TestImage(i + 1, 1)).saved && allSaved;
      }
      _exit(allSaved ? 0 : 1);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  munmap(shared, sizeof(std::atomic<int>));
  // 100 folders holding two pictures each: no picture replaced another.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator("."), {}), 300);
}

}  // namespace
}  // namespace vestara::test
