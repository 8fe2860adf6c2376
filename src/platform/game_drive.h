#pragma once

#include <string>

namespace vestara {

// The native folder that stands for the game's drive `letter` (the "C" of "C:\..."),
// ending in '/'. On Windows it is the drive itself; elsewhere the game runs under Wine,
// and the drive is the folder Wine's prefix keeps for it.
std::string GameDriveRoot(char letter);

}  // namespace vestara
