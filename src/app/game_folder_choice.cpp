#include "app/game_folder_choice.h"

#include <optional>

#include "game/chosen_game_folder.h"
#include "game/folder_line_file.h"
#include "game/game_folder.h"

namespace vestara {

std::string NoGameInChosenFolderMessage() {
  return std::string("選んだフォルダに ") + kProbeFile + " がありません。";
}

namespace {

std::string RefusalMessage(ChosenFolderResult result) {
  switch (result) {
    case ChosenFolderResult::NoGame:
      return NoGameInChosenFolderMessage();
    case ChosenFolderResult::TooLong:
      return "フォルダのパスが長すぎます。";
    case ChosenFolderResult::NotSaved:
    case ChosenFolderResult::Saved:
      break;
  }
  return std::string(kFolderLineFileName) + " に書き込めません。";
}

}  // namespace

bool ChooseGameFolder(DialogWindow& window) {
  std::string message = kNoGameFolderMessage;
  for (;;) {
    const std::optional<std::string> folder = window.RunFolderMessage(message);
    if (!folder) return false;
    const ChosenFolderResult result = SaveChosenGameFolder(*folder);
    if (result == ChosenFolderResult::Saved) return true;
    message = RefusalMessage(result);
  }
}

}  // namespace vestara
