#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_test_directory.h"

namespace vestara::clitest {

// What one run of the real vestara-sprite executable did.
struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A fresh temporary directory per test; its folder "work" is the tool's working directory.
// Wine's prefix points inside it, so no default game folder is ever found outside.
class ToolTest {
 public:
  ToolTest();

  std::filesystem::path Work() const { return directory_.root() / "work"; }
  // Runs the tool in Work() with the space-separated `arguments`, stdin empty.
  ToolRun Run(const std::string& arguments) const;
  // As Run, but so that permission bits bind the tool: as the user "nobody" when the test
  // runs as root. nullopt when that user cannot reach the tool or Work().
  std::optional<ToolRun> RunUnprivileged(const std::string& arguments) const;
  // Writes the sample game into Work()/game in-process.
  void WriteSampleGame() const;

 private:
  std::optional<ToolRun> Launch(const std::string& arguments, bool unprivileged) const;

  testing::ScopedTestDirectory directory_;
  testing::ScopedEnvironmentVariable winePrefix_;
};

// Two frames: 4 x 3 with row 1 empty, and 1 x 2. Weapon items 0 and 1 show them.
std::vector<std::uint8_t> TwoFrameArchive();
// A game folder Work()/`folder` with only the probe file and `weapons` as weapon archive.
void WriteWeaponGame(const ToolTest& tool, const std::string& folder,
                     const std::vector<std::uint8_t>& weapons);

// Every entry below `folder` by relative path: a file's bytes, or "/" for a folder.
std::map<std::string, std::string> TreeOf(const std::filesystem::path& folder);

}  // namespace vestara::clitest
