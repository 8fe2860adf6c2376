#include "platform/file_io.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/read_to_end.h"
#include "platform/windows/wide_text.h"

namespace vestara {

namespace {

constexpr int kTemporaryNameAttempts = 100;
// ReadFile and WriteFile take 32-bit counts.
constexpr std::size_t kMaxTransfer = 1u << 30;

// A file handle closed on every path.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  ~Handle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE Get() const { return handle_; }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

 private:
  HANDLE handle_;
};

// Open only when `path` names a regular file on disk. Shared for reading, writing and
// deleting, so the game may hold, rewrite or replace the file meanwhile. A folder does
// not open without FILE_FLAG_BACKUP_SEMANTICS; a device or pipe is refused by its type.
Handle OpenRegularFile(const std::string& path, LARGE_INTEGER& size) {
  Handle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.IsOpen() &&
      (GetFileType(file.Get()) != FILE_TYPE_DISK || GetFileSizeEx(file.Get(), &size) == 0)) {
    return Handle(INVALID_HANDLE_VALUE);
  }
  return file;
}

std::optional<std::size_t> ReadChunk(HANDLE file, void* buffer, std::size_t size) {
  DWORD count = 0;
  const auto wanted = static_cast<DWORD>(std::min(size, kMaxTransfer));
  if (ReadFile(file, buffer, wanted, &count, nullptr) == 0) return std::nullopt;
  return count;
}

template <typename Bytes>
std::optional<Bytes> ReadUpTo(HANDLE file, std::size_t maxBytes, std::size_t expected) {
  return ReadToEnd<Bytes>(
      [file](void* buffer, std::size_t size) { return ReadChunk(file, buffer, size); }, maxBytes,
      expected);
}

bool WriteAll(HANDLE file, std::span<const unsigned char> bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min(bytes.size(), kMaxTransfer));
    if (WriteFile(file, bytes.data(), wanted, &count, nullptr) == 0 || count == 0) return false;
    bytes = bytes.subspan(count);
  }
  return true;
}

// CREATE_NEW fails on any existing name, a dangling link included.
Handle CreateExclusively(const std::wstring& path) {
  return Handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool NameIsTaken(const std::wstring& path) {
  const DWORD error = GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
         GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Creates a new file beside `path`, never reusing an existing name.
Handle CreateTemporaryBeside(const std::wstring& path, std::wstring& name) {
  const std::filesystem::path target(path);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::wstring file(1, L'.');
    file.append(target.filename().native()).append(1, L'.');
    file.append(std::to_wstring(GetCurrentProcessId())).append(1, L'-');
    file.append(std::to_wstring(attempt)).append(L".tmp");
    name = std::filesystem::path(target).replace_filename(file).native();
    Handle handle = CreateExclusively(name);
    if (handle.IsOpen() || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return Handle(INVALID_HANDLE_VALUE);
}

}  // namespace

bool OpensAsRegularFile(const std::string& path) {
  LARGE_INTEGER size{};
  return OpenRegularFile(path, size).IsOpen();
}

std::optional<std::string> ReadRegularFilePrefix(const std::string& path, std::size_t maxBytes) {
  LARGE_INTEGER size{};
  const Handle file = OpenRegularFile(path, size);
  if (!file.IsOpen()) return std::nullopt;
  return ReadUpTo<std::string>(file.Get(), maxBytes, static_cast<std::size_t>(size.QuadPart));
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  LARGE_INTEGER size{};
  const Handle file = OpenRegularFile(path, size);
  if (!file.IsOpen()) return std::nullopt;
  return ReadUpTo<std::vector<std::uint8_t>>(file.Get(), static_cast<std::size_t>(-1),
                                             static_cast<std::size_t>(size.QuadPart));
}

NewFileResult CreateNewFile(const std::string& path, std::span<const unsigned char> bytes) {
  const std::wstring name = WideFromUtf8(path);
  Handle file = CreateExclusively(name);
  if (!file.IsOpen()) return NameIsTaken(name) ? NewFileResult::NameTaken : NewFileResult::Failed;
  bool written = WriteAll(file.Get(), bytes);
  written = file.Close() && written;
  if (!written) DeleteFileW(name.c_str());
  return written ? NewFileResult::Written : NewFileResult::Failed;
}

bool WriteNewFile(const std::string& path, std::span<const unsigned char> bytes) {
  return CreateNewFile(path, bytes) == NewFileResult::Written;
}

bool ReplaceFileContents(const std::string& path, std::span<const unsigned char> bytes) {
  const std::wstring target = WideFromUtf8(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  constexpr DWORD kNotReplaceable = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY |
                                    FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotReplaceable) != 0) return false;

  std::wstring temporary;
  Handle file = CreateTemporaryBeside(target, temporary);
  if (!file.IsOpen()) return false;
  bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) != 0;
  written = file.Close() && written;
  if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace vestara
