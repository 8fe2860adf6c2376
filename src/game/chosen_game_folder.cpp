#include "game/chosen_game_folder.h"

#include <optional>
#include <string>

#include "game/folder_line_file.h"
#include "game/game_folder.h"
#include "game/utf8_text.h"
#include "platform/cp932.h"

namespace vestara {

std::string FolderLineFor(std::string_view folder) {
  const std::optional<std::string> shiftJis = Utf8ToCp932(folder);
  // Bytes that are valid UTF-8 would be read as UTF-8; plain ASCII reads the same either way.
  if (shiftJis && (*shiftJis == folder || !IsValidUtf8(*shiftJis))) return *shiftJis;
  return std::string(kUtf8ByteOrderMark) + std::string(folder);
}

ChosenFolderResult SaveChosenGameFolder(std::string_view folder) {
  const std::optional<FolderLine> line = NormaliseFolderLine(FolderLineFor(folder));
  if (!line) return ChosenFolderResult::TooLong;
  if (!HoldsGame(line->folder)) return ChosenFolderResult::NoGame;
  if (!WriteFolderLine(line->normalisedLine)) return ChosenFolderResult::NotSaved;
  return ChosenFolderResult::Saved;
}

}  // namespace vestara
