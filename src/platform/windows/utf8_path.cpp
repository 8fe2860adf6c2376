#include "platform/utf8_path.h"

#include "platform/windows/wide_text.h"

namespace vestara {

// Built from wide text: a narrow std::string would be read in the ANSI code page.
std::filesystem::path PathFromUtf8(std::string_view utf8) { return WideFromUtf8(utf8); }

std::string Utf8FromPath(const std::filesystem::path& path) { return Utf8FromWide(path.native()); }

}  // namespace vestara
