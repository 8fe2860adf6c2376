#pragma once

#include <string>

namespace vestara {

// The game folder named by filepath.txt in the working directory (read anew at every
// call), ending in a separator; empty when no valid folder is known. May rewrite
// filepath.txt (normalised line, or a default found by FindDefaultGameFolder).
std::string LoadGameFolder();
std::string FindDefaultGameFolder();

}  // namespace vestara
