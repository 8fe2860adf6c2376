#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestara {

// The file whose presence marks a folder as the game's installation folder, as the game
// spells it.
inline constexpr char kProbeFile[] = "Char\\B0000000.spr.NCS";

// Asks the user to set the path of the game folder: what the viewer says, and the command
// line tool prints, when no game folder is known.
inline constexpr char kNoGameFolderMessage[] = "ヴェスタラフォルダのパスを設定してください。";

// Marks a filepath.txt line as UTF-8 when it begins it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Whether the game folder `folder` (ending in a separator) holds the probe file.
bool HoldsGame(const std::string& folder);

// A folder line made usable: the folder as UTF-8 ending in a separator, and the line as
// filepath.txt must hold it (the user's own bytes and encoding, plus the separator when
// one was appended).
struct FolderLine {
  std::string folder;
  std::string normalisedLine;
  bool separatorAppended = false;
};

// nullopt when `line` is neither UTF-8 nor code page 932, or when the folder is too long
// for the game's paths.
std::optional<FolderLine> NormaliseFolderLine(const std::string& line);

// The game folder named by filepath.txt in the working directory (read anew at every
// call), ending in a separator; empty when no valid folder is known. May rewrite
// filepath.txt (normalised line, or a default found by FindDefaultGameFolder).
std::string LoadGameFolder();
std::string FindDefaultGameFolder();

}  // namespace vestara
