#include "cli/archive_input.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/command_error.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"
#include "sprite/archive_index.h"

namespace vestara {

std::vector<std::uint8_t> ReadArchive(const std::string& path) {
  const std::filesystem::path native = PathFromUtf8(path);
  std::error_code error;
  if (!std::filesystem::exists(native, error)) throw FileError(path, "no such file");
  if (!std::filesystem::is_regular_file(native, error)) throw FileError(path, "not a file");
  std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) throw FileError(path, "cannot read");
  if (!ReadArchiveIndex(*bytes)) throw FileError(path, "not a sprite archive");
  return std::move(*bytes);
}

}  // namespace vestara
