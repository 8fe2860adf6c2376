#pragma once

#include <string>
#include <string_view>

namespace vestara {

// UTF-8 and the UTF-16 the Windows API takes; bytes that are not UTF-8 become U+FFFD, and
// unpaired surrogates become U+FFFD on the way back.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace vestara
