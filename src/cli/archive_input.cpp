#include "cli/archive_input.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/command_error.h"
#include "sprite/archive_index.h"
#include "sprite/file_bytes.h"

namespace vestara {

std::vector<std::uint8_t> ReadArchive(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) throw FileError(path, "no such file");
  if (!std::filesystem::is_regular_file(path, error)) throw FileError(path, "not a file");
  std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) throw FileError(path, "cannot read");
  if (!ReadArchiveIndex(*bytes)) throw FileError(path, "not a sprite archive");
  return std::move(*bytes);
}

}  // namespace vestara
