#pragma once

#include <string>
#include <string_view>

namespace vestara {

// What became of a folder the user chose as the game folder.
enum class ChosenFolderResult {
  Saved,     // filepath.txt now names it
  NoGame,    // it does not hold the probe file
  TooLong,   // its path is longer than the game's paths allow
  NotSaved,  // filepath.txt could not be written
};

// The line filepath.txt holds for `folder` (UTF-8): code page 932,
// as the file has always been written, when every character fits and the bytes cannot be
// mistaken for UTF-8; else UTF-8 after a byte order mark.
std::string FolderLineFor(std::string_view folder);

// Takes `folder` (UTF-8, as a folder chooser gives it) as the game folder: when it holds the
// probe file, filepath.txt in the working directory is replaced with its line, so every
// later render finds it.
ChosenFolderResult SaveChosenGameFolder(std::string_view folder);

}  // namespace vestara
