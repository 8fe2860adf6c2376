#include "platform/cp932.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace vestara {

std::optional<std::string> Cp932ToUtf8(std::string_view text) {
  if (text.empty()) return std::string();
  constexpr UINT kShiftJis = 932;
  const int size = static_cast<int>(text.size());
  // MB_ERR_INVALID_CHARS: a byte sequence the code page does not define fails the call
  // rather than becoming a default character.
  const int length =
      MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return Utf8FromWide(wide);
}

}  // namespace vestara
