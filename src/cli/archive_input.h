#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vestara {

// The bytes of the sprite archive at the native `path`, read once. Throws CommandError
// (InputOutput) naming the file when it is missing, cannot be read or is not a sprite
// archive.
std::vector<std::uint8_t> ReadArchive(const std::string& path);

}  // namespace vestara
