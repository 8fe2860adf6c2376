#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vestara {

// The whole file at the native `path`, read in binary mode; nullopt when it cannot be
// opened or read. The file is closed on every path.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

}  // namespace vestara
