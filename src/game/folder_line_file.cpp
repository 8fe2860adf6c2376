#include "game/folder_line_file.h"

#include <span>
#include <string>

#include "platform/file_io.h"

namespace vestara {

namespace {

// The most the line is read as; longer lines are cut to this.
constexpr std::size_t kMaxLineBytes = 254;

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
  std::string content(line);
  content += '\n';
  return ReplaceFileContents(
      kFolderLineFileName,
      std::span(reinterpret_cast<const unsigned char*>(content.data()), content.size()));
}

}  // namespace vestara
