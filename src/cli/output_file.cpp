#include "cli/output_file.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "cli/command_error.h"
#include "snapshot/new_file.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

CommandError WriteFailure(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  std::error_code error;
  if (!parent.empty() && !fs::is_directory(parent, error)) {
    return FileError(path, "cannot write: its folder does not exist");
  }
  return FileError(path, "cannot write");
}

// A free name beside `path` for the file that will replace it.
std::string WriteTemporary(const std::string& path, std::span<const unsigned char> bytes) {
  const fs::path target(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Appended to a named string: prepending the literal makes GCC 12 report a false
    // -Wrestrict inside std::string (GCC bug 105329).
    std::string name(1, '.');
    name.append(target.filename().string()).append(1, '.').append(std::to_string(::getpid()));
    name.append(1, '-').append(std::to_string(attempt)).append(".tmp");
    fs::path temporary = target;
    temporary.replace_filename(name);
    if (Exists(temporary.string())) continue;
    if (!WriteNewFile(temporary.string(), bytes)) throw WriteFailure(path);
    return temporary.string();
  }
  throw WriteFailure(path);
}

}  // namespace

void RefuseExisting(const std::string& path, bool force) {
  if (!force && Exists(path)) {
    throw FileError(path, "already exists (use --force to replace it)");
  }
}

void WriteOutputFile(const std::string& path, std::span<const unsigned char> bytes, bool force) {
  RefuseExisting(path, force);
  // Created exclusively: a file that appeared meanwhile is not replaced either. With
  // --force a free name needs no replacing either.
  if (!Exists(path)) {
    if (WriteNewFile(path, bytes)) return;
    if (!Exists(path)) throw WriteFailure(path);
    RefuseExisting(path, force);
  }
  std::error_code error;
  if (fs::is_directory(fs::symlink_status(path, error))) {
    throw FileError(path, "is a directory");
  }
  const std::string temporary = WriteTemporary(path, bytes);
  fs::rename(temporary, path, error);
  if (error) {
    fs::remove(temporary, error);
    throw FileError(path, "cannot replace");
  }
}

void MakeDirectories(const std::string& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (error || !fs::is_directory(path, error)) {
    throw FileError(path, "cannot create the folder");
  }
}

}  // namespace vestara
