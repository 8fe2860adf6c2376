#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vestara {

// The whole file at the native `path`, read in binary mode; nullopt when it cannot be
// opened or read. The file is closed on every path.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

// Creates the file at the native `path` and writes `bytes` in binary mode. Never replaces
// an existing file: false when one exists or on any failure to create or write.
bool WriteNewFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace vestara
