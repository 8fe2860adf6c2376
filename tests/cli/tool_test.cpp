#include "tool_test.h"

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "sample_game/archive_writer.h"
#include "sample_game/sample_game.h"
#include "support/test_pictures.h"

namespace vestara::clitest {

namespace fs = std::filesystem;

ToolTest::ToolTest() : winePrefix_("WINEPREFIX", (directory_.root() / "wine").string()) {
  fs::create_directory(Work());
}

std::optional<ToolRun> ToolTest::RunUnprivileged(const std::string& arguments) const {
  if (geteuid() != 0) return Launch(arguments, "");
  // Root passes every permission check, so the tool runs as "nobody".
  const passwd* nobody = getpwnam("nobody");
  if (nobody == nullptr) return std::nullopt;
  return Launch(arguments, "setpriv --clear-groups --reuid=" + std::to_string(nobody->pw_uid) +
                               " --regid=" + std::to_string(nobody->pw_gid) + " ");
}

std::optional<ToolRun> ToolTest::Launch(const std::string& arguments,
                                        const std::string& asUser) const {
  // The arguments hold nothing the shell would interpret; it execs the tool, so a crash
  // shows as a signal rather than as an exit code.
  const fs::path out = directory_.root() / "stdout.txt";
  const fs::path err = directory_.root() / "stderr.txt";
  const int status =
      std::system(("cd '" + Work().string() + "' && exec " + asUser + "'" VESTARA_SPRITE "' " +
                   arguments + " </dev/null >'" + out.string() + "' 2>'" + err.string() + "'")
                      .c_str());
  const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (exitCode == 126 || exitCode == 127) return std::nullopt;  // the tool did not start
  return ToolRun{exitCode, testing::ReadBinaryFile(out).value_or(""),
                 testing::ReadBinaryFile(err).value_or("")};
}

void ToolTest::WriteSampleGame() const {
  for (const SampleGameFile& file : SampleGameFiles()) {
    testing::WriteBytes(Work() / "game" / file.path, file.build());
  }
}

std::vector<std::uint8_t> TwoFrameArchive() {
  const std::vector<std::pair<char, std::uint8_t>> indices{{'a', 1}, {'b', 2}, {'c', 3}};
  return BuildArchive({FrameFromGrid(testing::GridFromRows({"ab.c", "....", ".cba"}, indices)),
                       FrameFromGrid(testing::GridFromRows({"c", "a"}, indices))});
}

std::map<std::string, std::string> TreeOf(const fs::path& folder) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    tree[fs::relative(entry.path(), folder).string()] =
        entry.is_directory() ? "/" : testing::ReadBinaryFile(entry.path()).value_or("");
  }
  return tree;
}

}  // namespace vestara::clitest
