// filepath.txt over arbitrary bytes: the first line, its decoding, the separator rule and
// the mapping of the probe path onto the native file system.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "game/folder_line_file.h"
#include "game/game_folder.h"
#include "game/game_path.h"
#include "game/utf8_text.h"

namespace {

std::filesystem::path emptyWorkingDirectory;

void RemoveEmptyWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::remove(emptyWorkingDirectory, ignored);
}

}  // namespace

// Relative folders and drive letters resolve inside an empty directory of our own, so the
// lookups see nothing of the machine's files.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vestara-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) std::abort();
  emptyWorkingDirectory = pattern;
  std::atexit(RemoveEmptyWorkingDirectory);
  setenv("WINEPREFIX", (emptyWorkingDirectory / "wine").c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vestara::fuzz::Require;
  const std::string_view fileStart(reinterpret_cast<const char*>(data), size);
  const std::string line = vestara::FolderLineOf(fileStart);
  Require(line.size() <= 254, "at most 254 bytes are read");
  Require(line.find_first_of(std::string_view("\0\n", 2)) == std::string::npos,
          "the line ends at the first NUL or line feed");
  Require(fileStart.starts_with(line), "the line is the start of the file");

  const auto folderLine = vestara::NormaliseFolderLine(line);
  if (!folderLine) return 0;
  const std::string& folder = folderLine->folder;
  const std::string& normalised = folderLine->normalisedLine;
  // A byte order mark is no part of the path.
  const std::size_t mark = normalised.starts_with(vestara::kUtf8ByteOrderMark) ? 3 : 0;
  Require(normalised.size() - mark <= 234, "the folder leaves room for the probe path");
  Require(vestara::IsValidUtf8(folder), "the folder is UTF-8");
  Require(!folder.empty() && (folder.back() == '\\' || folder.back() == '/'),
          "the folder ends in a separator");
  Require(normalised.size() == line.size() + (folderLine->separatorAppended ? 1 : 0) &&
              normalised.starts_with(line) && normalised.back() == folder.back(),
          "the rewritten line is the user's line plus the appended separator");
  const std::string probe = vestara::ToNativePath(folder + "Char\\B0000000.spr.NCS");
  Require(probe.find('\\') == std::string::npos, "every backslash becomes a native separator");
  return 0;
}
