#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "platform/file_io.h"
#include "platform/read_to_end.h"

namespace vestara {

namespace {

constexpr int kTemporaryNameAttempts = 100;

// A descriptor closed on every path.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now, reporting whether the last writes reached the file.
  bool Close() { return close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// Open only when `path` names a regular file. O_NONBLOCK keeps a pipe from blocking the
// open; it changes nothing for a regular file.
Descriptor OpenRegularFile(const std::string& path, struct stat& status) {
  Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.IsOpen() && (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))) {
    return Descriptor(-1);
  }
  return file;
}

std::optional<std::size_t> ReadChunk(int fd, void* buffer, std::size_t size) {
  while (true) {
    const ssize_t count = read(fd, buffer, size);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) return std::nullopt;
  }
}

template <typename Bytes>
std::optional<Bytes> ReadUpTo(int fd, std::size_t maxBytes, std::size_t expected) {
  return ReadToEnd<Bytes>(
      [fd](void* buffer, std::size_t size) { return ReadChunk(fd, buffer, size); }, maxBytes,
      expected);
}

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(count));
  }
  return true;
}

// Creates a new file beside `path`, never reusing an existing name.
Descriptor CreateTemporaryBeside(const std::string& path, std::string& name) {
  const std::filesystem::path target(path);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string file(1, '.');
    file.append(target.filename().string()).append(1, '.').append(std::to_string(getpid()));
    file.append(1, '-').append(std::to_string(attempt)).append(".tmp");
    name = std::filesystem::path(target).replace_filename(file).string();
    Descriptor fd(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.IsOpen() || errno != EEXIST) return fd;
  }
  return Descriptor(-1);
}

}  // namespace

bool OpensAsRegularFile(const std::string& path) {
  struct stat status {};
  return OpenRegularFile(path, status).IsOpen();
}

std::optional<std::string> ReadRegularFilePrefix(const std::string& path, std::size_t maxBytes) {
  struct stat status {};
  const Descriptor file = OpenRegularFile(path, status);
  if (!file.IsOpen()) return std::nullopt;
  return ReadUpTo<std::string>(file.Get(), maxBytes, static_cast<std::size_t>(status.st_size));
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  struct stat status {};
  const Descriptor file = OpenRegularFile(path, status);
  if (!file.IsOpen()) return std::nullopt;
  return ReadUpTo<std::vector<std::uint8_t>>(file.Get(), static_cast<std::size_t>(-1),
                                             static_cast<std::size_t>(status.st_size));
}

NewFileResult CreateNewFile(const std::string& path, std::span<const unsigned char> bytes) {
  // O_EXCL fails on any existing name and never follows a link to replace its target.
  Descriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!file.IsOpen()) return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
  bool written = WriteAll(file.Get(), bytes);
  written = file.Close() && written;
  if (!written) unlink(path.c_str());
  return written ? NewFileResult::Written : NewFileResult::Failed;
}

bool WriteNewFile(const std::string& path, std::span<const unsigned char> bytes) {
  return CreateNewFile(path, bytes) == NewFileResult::Written;
}

bool ReplaceFileContents(const std::string& path, std::span<const unsigned char> bytes) {
  struct stat existing {};
  const bool exists = lstat(path.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || access(path.c_str(), W_OK) != 0)) return false;

  std::string temporary;
  Descriptor file = CreateTemporaryBeside(path, temporary);
  if (!file.IsOpen()) return false;
  bool written = WriteAll(file.Get(), bytes) && fsync(file.Get()) == 0;
  // The new file keeps the permissions the user gave the old one.
  if (written && exists) written = fchmod(file.Get(), existing.st_mode & 07777) == 0;
  written = file.Close() && written;
  if (written && rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

}  // namespace vestara
