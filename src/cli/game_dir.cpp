#include "cli/game_dir.h"

#include "app/game_folder.h"
#include "app/game_path.h"
#include "cli/command_error.h"
#include "platform/file_io.h"

namespace vestara {
namespace {

// The viewer's message when it knows no game folder.
constexpr char kNoGameFolderMessage[] = "ヴェスタラフォルダのパスを設定してください。";

bool EndsInSeparator(const std::string& folder) {
  return !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
}

}  // namespace

std::string ResolveGameFolder(const std::optional<std::string>& gameDir) {
  if (!gameDir) {
    std::string folder = LoadGameFolder();
    if (folder.empty()) throw CommandError(ExitCode::InputOutput, kNoGameFolderMessage);
    return folder;
  }
  std::string folder = *gameDir;
  if (!EndsInSeparator(folder)) folder += '/';
  if (!OpensAsRegularFile(ToNativePath(folder + kGameProbeFile))) {
    throw FileError(*gameDir, std::string("not a game folder (") + kGameProbeFile + " is missing)");
  }
  return folder;
}

std::string ArchivePathIn(const std::string& gameFolder, std::string_view archiveName) {
  return ToNativePath(gameFolder + "Data\\" + std::string(archiveName));
}

}  // namespace vestara
