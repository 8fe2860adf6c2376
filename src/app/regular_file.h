#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vestara {

// True when `nativePath` can be opened for reading and is a regular file (not a directory,
// device or pipe).
bool OpensAsRegularFile(const std::string& nativePath);

// Up to `maxBytes` from the start of the regular file `nativePath`; nullopt when it cannot
// be opened as a regular file or reading fails.
std::optional<std::string> ReadRegularFilePrefix(const std::string& nativePath,
                                                 std::size_t maxBytes);

}  // namespace vestara
