#include "cli/output_file.h"

#include <filesystem>
#include <system_error>

#include "cli/command_error.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(PathFromUtf8(path), error));
}

CommandError WriteFailure(const std::string& path) {
  const fs::path parent = PathFromUtf8(path).parent_path();
  std::error_code error;
  if (!parent.empty() && !fs::is_directory(parent, error)) {
    return FileError(path, "cannot write: its folder does not exist");
  }
  return FileError(path, "cannot write");
}

}  // namespace

void RefuseExisting(const std::string& path, bool force) {
  if (!force && Exists(path)) {
    throw FileError(path, "already exists (use --force to replace it)");
  }
}

void WriteOutputFile(const std::string& path, std::span<const unsigned char> bytes, bool force) {
  // Created exclusively: a file that appeared meanwhile is not replaced either. With
  // --force a free name needs no replacing either.
  if (!Exists(path)) {
    if (WriteNewFile(path, bytes)) return;
    if (!Exists(path)) throw WriteFailure(path);
  }
  RefuseExisting(path, force);
  std::error_code error;
  if (fs::is_directory(fs::symlink_status(PathFromUtf8(path), error))) {
    throw FileError(path, "is a directory");
  }
  if (!ReplaceFileContents(path, bytes)) throw FileError(path, "cannot replace");
}

void MakeDirectories(const std::string& path) {
  const fs::path folder = PathFromUtf8(path);
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error)) {
    throw FileError(path, "cannot create the folder");
  }
}

}  // namespace vestara
