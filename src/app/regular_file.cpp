#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vestara {

namespace {

// A read-only descriptor that is open only when it names a regular file; closed on every
// path. Opening does not block, even on a pipe.
class RegularFileReader {
 public:
  explicit RegularFileReader(const std::string& nativePath)
      : fd_(open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    struct stat status {};
    if (fd_ >= 0 && (fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
      close(fd_);
      fd_ = -1;
    }
  }
  ~RegularFileReader() {
    if (fd_ >= 0) close(fd_);
  }
  RegularFileReader(const RegularFileReader&) = delete;
  RegularFileReader& operator=(const RegularFileReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  std::optional<std::string> ReadPrefix(std::size_t maxBytes) {
    std::string data(maxBytes, '\0');
    std::size_t filled = 0;
    while (filled < maxBytes) {
      const ssize_t count = read(fd_, data.data() + filled, maxBytes - filled);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) return std::nullopt;
      if (count == 0) break;
      filled += static_cast<std::size_t>(count);
    }
    data.resize(filled);
    return data;
  }

 private:
  int fd_;
};

}  // namespace

bool OpensAsRegularFile(const std::string& nativePath) {
  return RegularFileReader(nativePath).IsOpen();
}

std::optional<std::string> ReadRegularFilePrefix(const std::string& nativePath,
                                                 std::size_t maxBytes) {
  RegularFileReader reader(nativePath);
  if (!reader.IsOpen()) return std::nullopt;
  return reader.ReadPrefix(maxBytes);
}

}  // namespace vestara
