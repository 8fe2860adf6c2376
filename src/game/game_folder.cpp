#include "game/game_folder.h"

#include <optional>
#include <string_view>

#include "game/folder_line_file.h"
#include "game/game_path.h"
#include "game/utf8_text.h"
#include "platform/cp932.h"
#include "platform/file_io.h"

namespace vestara {

namespace {

constexpr char kFirstDefaultFolder[] = "C:\\Program Files\\Kestrelfen\\Vestara\\";
constexpr char kSecondDefaultFolder[] = "C:\\Program Files\\Vestara\\";
// Game paths have always been built in 256-byte buffers: the longest folder that still
// leaves room for the probe file's name and a terminating zero (234 bytes).
constexpr std::size_t kPathBufferBytes = 256;
constexpr std::size_t kMaxFolderBytes = kPathBufferBytes - (sizeof kProbeFile - 1) - 1;
static_assert(kMaxFolderBytes == 234);

// The folder line as UTF-8: unchanged when it already is, else read as code page 932 (the
// encoding the line was written in on the game's platform). A line that begins with the
// UTF-8 byte order mark is UTF-8 whatever follows; a chosen folder that code page 932
// cannot spell is written so.
std::optional<std::string> DecodeFolderLine(std::string_view line) {
  if (line.starts_with(kUtf8ByteOrderMark)) {
    line.remove_prefix(kUtf8ByteOrderMark.size());
    if (!IsValidUtf8(line)) return std::nullopt;
    return std::string(line);
  }
  if (IsValidUtf8(line)) return std::string(line);
  return Cp932ToUtf8(line);
}

}  // namespace

bool HoldsGame(const std::string& folder) {
  return OpensAsRegularFile(ToNativePath(folder + kProbeFile));
}

std::optional<FolderLine> NormaliseFolderLine(const std::string& line) {
  std::optional<std::string> folder = DecodeFolderLine(line);
  if (!folder) return std::nullopt;
  FolderLine result{*folder, line, !EndsInSeparator(*folder)};
  if (result.separatorAppended) {
    const char separator = folder->find('/') == std::string::npos ? '\\' : '/';
    result.folder += separator;
    result.normalisedLine += separator;
  }
  // The mark is no part of the folder's path.
  const std::size_t markBytes =
      line.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  if (result.normalisedLine.size() - markBytes > kMaxFolderBytes) return std::nullopt;
  return result;
}

std::string LoadGameFolder() {
  const std::optional<std::string> line = ReadFolderLine();
  if (!line || line->empty()) return FindDefaultGameFolder();

  const std::optional<FolderLine> folderLine = NormaliseFolderLine(*line);
  if (!folderLine || !HoldsGame(folderLine->folder)) return {};
  // When the file cannot be rewritten, the folder still serves this call.
  if (folderLine->separatorAppended) WriteFolderLine(folderLine->normalisedLine);
  return folderLine->folder;
}

std::string FindDefaultGameFolder() {
  for (const char* folder : {kFirstDefaultFolder, kSecondDefaultFolder}) {
    if (HoldsGame(folder)) {
      WriteFolderLine(folder);
      return folder;
    }
  }
  // Leaves a line for the user to correct.
  WriteFolderLine(kSecondDefaultFolder);
  return {};
}

}  // namespace vestara
