#include "app/folder_line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "app/regular_file.h"

namespace vestara {

namespace {

// The most the line is read as; longer lines are cut to this.
constexpr std::size_t kMaxLineBytes = 254;
constexpr int kTemporaryNameAttempts = 100;

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t count = write(fd, data.data(), data.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// Creates a new file beside filepath.txt, never reusing an existing name; -1 on failure.
int CreateTemporaryFile(std::string& name) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    name = std::string(kFolderLineFileName) + "." + std::to_string(getpid()) + "-" +
           std::to_string(attempt) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::string FolderLineOf(std::string_view fileStart) {
  std::string line(fileStart.substr(0, kMaxLineBytes));
  // A NUL ends the line as it would end a C string.
  const std::size_t end = line.find_first_of(std::string_view("\0\n", 2));
  if (end != std::string::npos) line.resize(end);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> ReadFolderLine() {
  const std::optional<std::string> fileStart =
      ReadRegularFilePrefix(kFolderLineFileName, kMaxLineBytes);
  if (!fileStart) return std::nullopt;
  return FolderLineOf(*fileStart);
}

bool WriteFolderLine(std::string_view line) {
  struct stat existing {};
  const bool exists = lstat(kFolderLineFileName, &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || access(kFolderLineFileName, W_OK) != 0)) {
    return false;
  }

  std::string temporaryName;
  const int fd = CreateTemporaryFile(temporaryName);
  if (fd < 0) return false;
  bool written = WriteAll(fd, line) && WriteAll(fd, "\n") && fsync(fd) == 0;
  if (written && exists) written = fchmod(fd, existing.st_mode & 07777) == 0;
  written = close(fd) == 0 && written;
  if (written && std::rename(temporaryName.c_str(), kFolderLineFileName) == 0) return true;
  std::remove(temporaryName.c_str());
  return false;
}

}  // namespace vestara
