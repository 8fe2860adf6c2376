#include "cli/game_dir.h"

#include "cli/command_error.h"
#include "game/game_folder.h"
#include "game/game_path.h"

namespace vestara {

std::string ResolveGameFolder(const std::optional<std::string>& gameDir) {
  if (!gameDir) {
    std::string folder = LoadGameFolder();
    if (folder.empty()) throw CommandError(ExitCode::InputOutput, kNoGameFolderMessage);
    return folder;
  }
  std::string folder = *gameDir;
  if (!EndsInSeparator(folder)) folder += '/';
  if (!HoldsGame(folder)) {
    throw FileError(*gameDir, std::string("not a game folder (") + kProbeFile + " is missing)");
  }
  return folder;
}

}  // namespace vestara
