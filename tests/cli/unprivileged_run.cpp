#include "unprivileged_run.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestara::clitest {

namespace {

// Exit codes of the child before the tool runs.
constexpr int kCannotReach = 125;
constexpr int kCannotStart = 127;

}  // namespace

std::optional<ToolRun> RunUnprivileged(const ToolTest& tool,
                                       const std::vector<std::string>& arguments) {
  const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
  if (geteuid() == 0 && nobody == nullptr) return std::nullopt;
  const uid_t uid = nobody != nullptr ? nobody->pw_uid : geteuid();
  const gid_t gid = nobody != nullptr ? nobody->pw_gid : getegid();

  const std::filesystem::path outPath = tool.Work().parent_path() / "unprivileged-stdout.txt";
  const std::filesystem::path errPath = tool.Work().parent_path() / "unprivileged-stderr.txt";
  std::vector<std::string> argv{VESTARA_SPRITE};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  const std::string work = tool.Work().string();
  const std::string winePrefix = (tool.Work().parent_path() / "wine").string();

  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls until exec. The output files are opened before the
    // privileges go, since their folder is not the working directory.
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0) _exit(kCannotStart);
    if (nobody != nullptr && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)) {
      _exit(kCannotStart);
    }
    if (chdir(work.c_str()) != 0 || access(pointers[0], X_OK) != 0) _exit(kCannotReach);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    setenv("WINEPREFIX", winePrefix.c_str(), 1);
    execv(pointers[0], pointers.data());
    _exit(kCannotStart);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (exitCode == kCannotReach || exitCode == kCannotStart) return std::nullopt;
  return ToolRun{exitCode, ReadText(outPath), ReadText(errPath)};
}

}  // namespace vestara::clitest
