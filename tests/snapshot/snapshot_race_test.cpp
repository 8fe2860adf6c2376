#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "snapshot/image_encoding.h"
#include "snapshot/snapshot.h"
#include "temp_working_directory.h"
#include "test_image.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;
using testutil::TempWorkingDirectory;
using testutil::TestImage;

constexpr int kSavesPerProcess = 100;

// Two processes each save kSavesPerProcess pictures of their own width under the next free
// name, in lockstep: before every save both wait for each other, so that their searches
// run at the same moment and keep colliding on the same free name. Each reports the
// names it got.
std::vector<std::string> SaveFromTwoProcessesInLockstep() {
  int toFirst[2];
  int toSecond[2];
  EXPECT_EQ(pipe(toFirst), 0);
  EXPECT_EQ(pipe(toSecond), 0);
  std::vector<std::pair<pid_t, int>> children;
  for (const int width : {1, 2}) {
    int report[2];
    EXPECT_EQ(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
      const int in = width == 1 ? toFirst[0] : toSecond[0];
      const int out = width == 1 ? toSecond[1] : toFirst[1];
      const SnapshotImage image = TestImage(width, 1);
      std::string names;
      char tick = 0;
      for (int save = 0; save < kSavesPerProcess; ++save) {
        if (write(out, &tick, 1) != 1 || read(in, &tick, 1) != 1) _exit(2);
        const SnapshotSaveResult result = SaveNextSnapshot(image);
        names += (result.saved ? "" : "failed:") + result.name + "\n";
      }
      _exit(write(report[1], names.data(), names.size()) == ssize_t(names.size()) ? 0 : 1);
    }
    close(report[1]);
    children.emplace_back(child, report[0]);
  }
  for (const int fd : {toFirst[0], toFirst[1], toSecond[0], toSecond[1]}) close(fd);
  std::vector<std::string> reports;
  for (const auto& [child, report] : children) {
    std::string names;
    char chunk[4096];
    for (ssize_t count; (count = read(report, chunk, sizeof chunk)) > 0;)
      names.append(chunk, count);
    close(report);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    reports.push_back(names);
  }
  return reports;
}

TEST(SaveNextSnapshot, TwoProcessesSavingAtOnceKeepEveryPicture) {
  {
    TempWorkingDirectory folder;
    const std::vector<std::string> reports = SaveFromTwoProcessesInLockstep();
    std::set<std::string> names;
    for (int width = 1; width <= 2; ++width) {
      std::istringstream lines(reports[width - 1]);
      int saves = 0;
      for (std::string name; std::getline(lines, name); ++saves) {
        EXPECT_TRUE(names.insert(name).second) << name;
        // Whole, and this process's own picture.
        EXPECT_EQ(testutil::ReadBytes(name), EncodeBmp24(TestImage(width, 1))) << name;
      }
      EXPECT_EQ(saves, kSavesPerProcess);
    }
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(".")) files.insert(entry.path().filename());
    EXPECT_EQ(files, names);
    EXPECT_TRUE(files.contains("G0000200.bmp"));
  }
}

}  // namespace
}  // namespace vestara
