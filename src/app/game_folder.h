#pragma once

#include <optional>
#include <string>

namespace vestara {

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
