#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_test_directory.h"

namespace vestara::clitest {

struct ToolRun {
  int exitCode = -1;
  std::string out, err;
};

// A fresh temporary directory per test; its folder "work" is the tool's working directory.
// Wine's prefix points inside it, so no default game folder is ever found outside.
class ToolTest {
 public:
  ToolTest();

  std::filesystem::path Work() const { return directory_.root() / "work"; }
  // Runs the real executable in Work() with the space-separated `arguments`, stdin empty.
  // A tool that does not start shows as exit code -1.
  ToolRun Run(const std::string& arguments) const {
    return Launch(arguments, "").value_or(ToolRun{});
  }
  // As Run, but as the user "nobody" when the test runs as root, so that permission bits
  // bind the tool. nullopt when that user cannot reach the tool or Work().
  std::optional<ToolRun> RunUnprivileged(const std::string& arguments) const;
  void WriteSampleGame() const;  // into Work()/game

 private:
  // `asUser` is a command that runs the tool as another user, or empty.
  std::optional<ToolRun> Launch(const std::string& arguments, const std::string& asUser) const;

  testing::ScopedTestDirectory directory_;
  testing::ScopedEnvironmentVariable winePrefix_;
};

// Two frames: 4 x 3 with row 1 empty, and 1 x 2. Weapon items 0 and 1 show them.
std::vector<std::uint8_t> TwoFrameArchive();
// Every entry below `folder` by relative path: a file's bytes, or "/" for a folder.
std::map<std::string, std::string> TreeOf(const std::filesystem::path& folder);

}  // namespace vestara::clitest
