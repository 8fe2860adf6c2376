#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestara {

// The probe file whose presence marks a game folder, as the game spells it.
inline constexpr char kGameProbeFile[] = "Char\\B0000000.spr.NCS";

// The game folder for a command, ending in a separator: `gameDir` when given, which
// must hold the probe file; otherwise the folder that filepath.txt in the working
// directory names, found (and rewritten) exactly as the viewer does. Throws CommandError
// (InputOutput) when there is no valid folder.
std::string ResolveGameFolder(const std::optional<std::string>& gameDir);

// The native path of an archive in the folder's Data subfolder.
std::string ArchivePathIn(const std::string& gameFolder, std::string_view archiveName);

}  // namespace vestara
