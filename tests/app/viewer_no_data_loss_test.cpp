// Nothing the viewer does loses data: captures running at the same moment in two processes
// keep every picture, a rewrite of filepath.txt is never seen half-written, and the game's
// files keep their bytes and times (the tool's tests watch the same file layer with
// inotify).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_folder.h"
#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kCapturesPerProcess = 100;

// Children that wait until Start() releases them all at the same moment, then report
// what they did through a pipe of their own.
class SimultaneousChildren {
 public:
  SimultaneousChildren() { EXPECT_EQ(pipe(start_), 0); }

  // Forks a child that runs `work` once released.
  void Add(const std::function<std::string()>& work) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(start_[1]);
      close(report[0]);
      char go;
      // Blocks until the parent closes its end: every child wakes at once.
      (void)!read(start_[0], &go, 1);
      const std::string result = work();
      const bool written =
          write(report[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
      _exit(written ? 0 : 1);
    }
    close(report[1]);
    children_.push_back({child, report[0]});
  }

  // Releases every child and returns what each reported, in the order they were added.
  std::vector<std::string> Start() {
    close(start_[0]);
    close(start_[1]);
    std::vector<std::string> reports;
    for (const auto& [pid, report] : children_) {
      std::string text;
      char chunk[4096];
      ssize_t count;
      while ((count = read(report, chunk, sizeof chunk)) > 0) text.append(chunk, count);
      close(report);
      int status = 0;
      waitpid(pid, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child " << pid;
      reports.push_back(text);
    }
    return reports;
  }

 private:
  int start_[2];
  std::vector<std::pair<pid_t, int>> children_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(DialogTest, TwoProcessesCapturingAtOnceKeepEveryPicture) {
  SimultaneousChildren children;
  for (const int item : {0, 1}) {
    children.Add([&, item] {
      window_.UserSelects(dialog_, kWeaponCombo, item);
      std::string statuses;
      for (int capture = 0; capture < kCapturesPerProcess; ++capture) {
        dialog_.OnCapture();
        statuses += window_.status + "\n";
      }
      return statuses;
    });
  }
  const std::vector<std::string> reports = children.Start();

  std::set<std::string> names;
  for (const int item : {0, 1}) {
    SCOPED_TRACE(item);
    const std::vector<std::string> statuses = Lines(reports[item]);
    ASSERT_EQ(statuses.size(), static_cast<std::size_t>(kCapturesPerProcess));
    // Every file the process reports holds its own picture, whole.
    const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, item));
    for (const std::string& status : statuses) {
      ASSERT_TRUE(status.starts_with("Save as :G")) << status;
      const std::string name = status.substr(std::string("Save as :").size());
      EXPECT_TRUE(names.insert(name).second) << name << " reported twice";
      const auto image = ReadBmp24(game_.Root() / name);
      ASSERT_TRUE(image.has_value()) << name;
      ASSERT_EQ(image->Width(), picture.width) << name;
      EXPECT_EQ(image->GetPixel(1, 1), GridColor(picture, 1, 1, 0xFFFFFF)) << name;
    }
  }
  // The 200 pictures fill the first 200 names, and nothing else was left.
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(game_.Root())) {
    if (entry.path().extension() == ".bmp") files.insert(entry.path().filename().string());
  }
  EXPECT_EQ(files, names);
  EXPECT_TRUE(names.contains("G0000200.bmp"));
}

// Replaces filepath.txt the way no reader can catch half-way, so that only the tool's own
// rewrite is under test.
void PutFolderLine(const fs::path& file, const std::string& line) {
  const fs::path staged = file.parent_path() / "staged-line";
  WriteBinaryFile(staged, line + "\n");
  fs::rename(staged, file);
}

TEST_F(DialogTest, ReaderNeverSeesAHalfWrittenFolderFile) {
  // A long line makes a torn write likely to show.
  std::string folder;
  while (folder.size() < 200) folder += "./";
  folder += "game";
  const fs::path file = game_.Root() / "filepath.txt";
  const fs::path writerDone = game_.Root() / "writer-done";
  PutFolderLine(file, folder);

  SimultaneousChildren children;
  children.Add([&] {
    std::string failures;
    for (int round = 0; round < 200; ++round) {
      PutFolderLine(file, folder);
      // Appends the separator and rewrites the file.
      if (LoadGameFolder() != folder + "/") failures += "no folder found\n";
    }
    WriteBinaryFile(writerDone, "");
    return failures;
  });
  children.Add([&] {
    std::map<std::string, int> seen;
    // Reads until the writer has finished, so every rewrite happens under a reader.
    while (!fs::exists(writerDone)) ++seen[ReadBinaryFile(file).value_or("<missing>")];
    std::string report;
    for (const auto& [content, count] : seen) report += content;
    return report;
  });
  const std::vector<std::string> reports = children.Start();
  EXPECT_EQ(reports[0], "");
  // Only the two whole versions of the file were ever seen.
  const std::string written = folder + "\n";
  const std::string rewritten = folder + "/\n";
  EXPECT_TRUE(reports[1] == written + rewritten || reports[1] == rewritten + written ||
              reports[1] == written || reports[1] == rewritten)
      << reports[1];
}

// Each file of the folder tree with its bytes and modification time.
std::map<fs::path, std::pair<std::string, fs::file_time_type>> Snapshot(const fs::path& folder) {
  std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[entry.path()] = {ReadBinaryFile(entry.path()).value_or(""), entry.last_write_time()};
    }
  }
  return files;
}

TEST_F(DialogTest, EveryCommandLeavesTheGameFilesUntouched) {
  const fs::path gameFolder = game_.Root() / "game";
  const auto before = Snapshot(gameFolder);

  for (const ControlId list :
       {kWeaponCombo, kShieldCombo, kArmorCombo, kShoesCombo, kRingCombo, kNecklaceCombo,
        kSoulCombo, kArmorColorCombo, kShoesColorCombo, kBackgroundCombo}) {
    for (int position = 0; position < 4; ++position) window_.UserSelects(dialog_, list, position);
  }
  window_.UserClicksRadio(dialog_, kArmorMaleRadio, 1);
  window_.UserClicksRadio(dialog_, kShoesMaleRadio, 1);
  dialog_.OnZoomIn();
  dialog_.OnZoomOut();
  dialog_.OnZoomOut();
  dialog_.OnPaint();
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  EXPECT_EQ(Snapshot(gameFolder), before);
}

}  // namespace
}  // namespace vestara::testing
