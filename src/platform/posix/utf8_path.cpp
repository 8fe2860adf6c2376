#include "platform/utf8_path.h"

namespace vestara {

// POSIX paths are bytes, and ours are UTF-8 already; they pass unchanged.
std::filesystem::path PathFromUtf8(std::string_view utf8) { return std::string(utf8); }

std::string Utf8FromPath(const std::filesystem::path& path) { return path.string(); }

}  // namespace vestara
