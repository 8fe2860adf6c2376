#pragma once

#include <optional>
#include <string>

namespace vestara {

// The game folder for a command, ending in a separator: `gameDir` when given, which
// must hold the probe file; otherwise the folder that filepath.txt in the working
// directory names, found (and rewritten) exactly as the viewer does. Throws CommandError
// (InputOutput) when there is no valid folder.
std::string ResolveGameFolder(const std::optional<std::string>& gameDir);

}  // namespace vestara
