#include "unprivileged_child.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestara::testing {

namespace {

constexpr int kCannotDropPrivileges = 3;

bool WriteAll(int fd, const std::string& data) {
  std::size_t written = 0;
  while (written < data.size()) {
    const ssize_t count = write(fd, data.data() + written, data.size() - written);
    if (count <= 0) return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

std::string ReadAll(int fd) {
  std::string data;
  char chunk[4096];
  ssize_t count;
  while ((count = read(fd, chunk, sizeof chunk)) > 0)
    data.append(chunk, static_cast<std::size_t>(count));
  return data;
}

}  // namespace

std::optional<std::string> RunInUnprivilegedChild(const std::function<std::string()>& work) {
  const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
  if (geteuid() == 0 && nobody == nullptr) return std::nullopt;
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;

  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    if (nobody != nullptr && (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                              setuid(nobody->pw_uid) != 0)) {
      _exit(kCannotDropPrivileges);
    }
    _exit(WriteAll(channel[1], work()) ? 0 : 1);
  }
  close(channel[1]);
  const std::string output = ReadAll(channel[0]);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotDropPrivileges) return std::nullopt;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child died: " << status;
  return output;
}

}  // namespace vestara::testing
