#include "item_names/item_names_file.h"

#include <cstddef>
#include <filesystem>
#include <system_error>

#include "game/utf8_text.h"
#include "platform/cp932.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"

namespace vestara {
namespace {

// Far more than every item with a long name; a larger file is something else.
constexpr std::size_t kMaxFileBytes = 16 << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why the file `path`, which could not be read, could not.
std::string ReadProblemOf(const std::string& path) {
  const std::filesystem::path native = PathFromUtf8(path);
  std::error_code error;
  if (!std::filesystem::exists(native, error)) return "no such file";
  if (!std::filesystem::is_regular_file(native, error)) return "not a file";
  return "cannot read";
}

}  // namespace

std::optional<std::string> NamesFileText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp932ToUtf8(bytes);
}

ItemNames ReadItemNamesFile(const std::string& path) {
  ItemNames none;
  const std::optional<std::string> bytes = ReadRegularFilePrefix(path, kMaxFileBytes + 1);
  if (!bytes) {
    none.fileProblem = ReadProblemOf(path);
  } else if (bytes->size() > kMaxFileBytes) {
    none.fileProblem = "larger than 16 MiB";
  } else if (const std::optional<std::string> text = NamesFileText(*bytes)) {
    return ParseItemNames(*text);
  } else {
    none.fileProblem = "neither UTF-8 nor code page 932 text";
  }
  return none;
}

}  // namespace vestara
