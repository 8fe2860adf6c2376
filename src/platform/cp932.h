#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestara {

// Converts Shift-JIS text (Windows code page 932) to UTF-8; nullopt when the bytes are
// not valid code page 932 or no converter is available.
std::optional<std::string> Cp932ToUtf8(std::string_view text);

// Converts UTF-8 text to code page 932; nullopt when a character has no code there (it is
// never replaced by a look-alike) or the text is not UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view text);

}  // namespace vestara
