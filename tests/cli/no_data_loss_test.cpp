// Nothing the tool does loses data: two processes rendering snapshots at the same moment
// keep every picture, and no command ever writes into the game folder.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;

constexpr int kRendersPerProcess = 100;

// Runs the tool in `work` and returns its standard output; called in a child process, so
// it neither throws nor uses the test's assertions. Empty when the tool failed.
std::string RunQuietly(const std::string& work, std::vector<std::string> arguments) {
  int output[2];
  if (pipe(output) != 0) return {};
  arguments.insert(arguments.begin(), VESTARA_SPRITE);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const pid_t tool = fork();
  if (tool == 0) {
    dup2(output[1], 1);
    close(output[0]);
    if (chdir(work.c_str()) == 0) execv(argv[0], argv.data());
    _exit(127);
  }
  close(output[1]);
  std::string text;
  char chunk[256];
  for (ssize_t count; (count = read(output[0], chunk, sizeof chunk)) > 0;)
    text.append(chunk, count);
  close(output[0]);
  int status = 0;
  waitpid(tool, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : std::string();
}

// Two processes released at the same moment, each running `render` without -o
// kRendersPerProcess times for its own item; returns each one's standard output.
std::vector<std::string> RenderFromTwoProcessesAtOnce(const ToolTest& tool) {
  int start[2];
  EXPECT_EQ(pipe(start), 0);
  std::vector<std::pair<pid_t, int>> drivers;
  for (const int item : {0, 1}) {
    int report[2];
    EXPECT_EQ(pipe(report), 0);
    const pid_t driver = fork();
    if (driver == 0) {
      close(start[1]);
      close(report[0]);
      char go;
      (void)!read(start[0], &go, 1);  // returns when the parent closes its end
      std::string outputs;
      for (int render = 0; render < kRendersPerProcess; ++render) {
        outputs += RunQuietly(tool.Work().string(), {"render", "--category", "weapon", "--item",
                                                     std::to_string(item), "--game-dir", "game"});
      }
      _exit(write(report[1], outputs.data(), outputs.size()) == ssize_t(outputs.size()) ? 0 : 1);
    }
    close(report[1]);
    drivers.emplace_back(driver, report[0]);
  }
  close(start[0]);
  close(start[1]);
  std::vector<std::string> reports;
  for (const auto& [driver, report] : drivers) {
    std::string text;
    char chunk[4096];
    for (ssize_t count; (count = read(report, chunk, sizeof chunk)) > 0;) text.append(chunk, count);
    close(report);
    int status = 0;
    waitpid(driver, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    reports.push_back(text);
  }
  return reports;
}

TEST(NoDataLossTest, TwoProcessesRenderingAtOnceKeepEveryPicture) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::create_directory(tool.Work() / "expected");
  for (const std::string item : {"0", "1"}) {
    ASSERT_EQ(tool.Run({"render", "--category", "weapon", "--item", item, "--game-dir", "game",
                        "-o", "expected/" + item + ".bmp"})
                  .exitCode,
              0);
  }

  const std::vector<std::string> reports = RenderFromTwoProcessesAtOnce(tool);
  std::set<std::string> names;
  for (const int item : {0, 1}) {
    SCOPED_TRACE(item);
    const auto expected = ReadBytes(tool.Work() / "expected" / (std::to_string(item) + ".bmp"));
    std::istringstream lines(reports[item]);
    int renders = 0;
    for (std::string line; std::getline(lines, line); ++renders) {
      ASSERT_TRUE(line.starts_with("Save as :G")) << line;
      const std::string name = line.substr(std::string("Save as :").size());
      EXPECT_TRUE(names.insert(name).second) << name << " reported twice";
      // Whole, and this process's own picture.
      EXPECT_EQ(ReadBytes(tool.Work() / name), expected) << name;
    }
    EXPECT_EQ(renders, kRendersPerProcess);
  }
  std::set<std::string> snapshots;
  for (const auto& entry : fs::directory_iterator(tool.Work())) {
    if (entry.is_regular_file()) snapshots.insert(entry.path().filename().string());
  }
  EXPECT_EQ(snapshots, names);
  EXPECT_TRUE(names.contains("G0000200.bmp"));
}

// Records every change to an entry of the watched folders, as the kernel reports it. A
// file opened for writing reports its close even when nothing was written to it.
class WriteWatch {
 public:
  explicit WriteWatch(const std::vector<fs::path>& folders)
      : descriptor_(inotify_init1(IN_NONBLOCK)) {
    for (const fs::path& folder : folders) {
      EXPECT_GE(inotify_add_watch(descriptor_, folder.c_str(),
                                  IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE |
                                      IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF),
                0)
          << folder;
    }
  }
  ~WriteWatch() { close(descriptor_); }
  WriteWatch(const WriteWatch&) = delete;
  WriteWatch& operator=(const WriteWatch&) = delete;

  // The names of the entries changed so far.
  std::vector<std::string> Changes() {
    std::vector<std::string> changes;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t length; (length = read(descriptor_, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        changes.push_back(event->len > 0 ? event->name : "<watched folder>");
        at += sizeof(inotify_event) + event->len;
      }
    }
    return changes;
  }

 private:
  int descriptor_;
};

TEST(NoDataLossTest, NoCommandWritesIntoTheGameFolder) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBytes(tool.InWork("filepath.txt"), {'g', 'a', 'm', 'e', '/', '\n'});
  const fs::path game = tool.Work() / "game";
  std::vector<fs::path> folders{game};
  std::map<fs::path, std::vector<std::uint8_t>> before;
  for (const auto& entry : fs::recursive_directory_iterator(game)) {
    if (entry.is_directory()) folders.push_back(entry.path());
    if (entry.is_regular_file()) before[entry.path()] = ReadBytes(entry.path());
  }
  WriteWatch watch(folders);

  const std::vector<std::vector<std::string>> commands{
      {"info", "game/Data/Weapon.spr.NCS"},
      {"info", "game/Char/B0000000.spr.NCS"},
      {"frame", "game/Data/eitem.spr.NCS", "13", "-o", "frame.png", "--transparent"},
      {"render", "--category", "armor", "--item", "3", "--colour", "2", "--gender", "female",
       "--game-dir", "game", "-o", "armor.png"},
      {"render", "--category", "shoes", "--item", "1", "--zoom", "50"},
      {"export", "-o", "export", "--game-dir", "game", "--format", "bmp"},
  };
  for (const std::vector<std::string>& command : commands) {
    const ToolRun run = tool.Run(command);
    EXPECT_EQ(run.exitCode, 0) << command[0] << ": " << run.err;
  }

  EXPECT_EQ(watch.Changes(), std::vector<std::string>{});
  std::map<fs::path, std::vector<std::uint8_t>> after;
  for (const auto& entry : fs::recursive_directory_iterator(game)) {
    if (entry.is_regular_file()) after[entry.path()] = ReadBytes(entry.path());
  }
  EXPECT_TRUE(after == before);
}

}  // namespace
}  // namespace vestara::clitest
