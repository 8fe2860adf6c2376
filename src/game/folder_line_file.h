#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestara {

// The one-line file in the working directory that names the game folder.
inline constexpr char kFolderLineFileName[] = "filepath.txt";

// The first line of a file that begins with `fileStart`, as raw bytes: at most its first 254
// bytes, ending at the first NUL or line feed, without a trailing carriage return.
std::string FolderLineOf(std::string_view fileStart);

// FolderLineOf filepath.txt; nullopt when the file cannot be opened as a regular file.
std::optional<std::string> ReadFolderLine();

// Replaces filepath.txt with `line` and a line end (ReplaceFileContents: the old content
// stays intact until the new one is complete, and an existing entry that is not a writable
// regular file is left alone). False on any failure.
bool WriteFolderLine(std::string_view line);

}  // namespace vestara
