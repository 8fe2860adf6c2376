#pragma once

#include <string>
#include <string_view>

namespace vestara {

// Whether `path` ends in a backslash or a slash, the separators of game paths. Safe on UTF-8
// text, where separator bytes never occur inside a multi-byte character.
bool EndsInSeparator(std::string_view path);

// Maps a game path as the game spells it (backslash or slash separators, "C:\" drive
// letters, any letter case) onto the native file system: separators become '/', a drive
// letter maps to GameDriveRoot (Wine's folder for the drive, or on Windows the drive
// itself), and a component missing with the exact case resolves to the single directory
// entry that matches it case-insensitively.
std::string ToNativePath(std::string_view gamePath);

// An archive's place in the game folder, as the game spells it: "Data\<name>".
std::string ArchiveGamePath(std::string_view archiveName);
// The native path of an archive in the game folder's Data subfolder.
std::string ArchivePathIn(const std::string& gameFolder, std::string_view archiveName);

}  // namespace vestara
