#include "platform/cp932.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace vestara {

namespace {

constexpr UINT kShiftJis = 932;

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view text) {
  if (text.empty()) return std::string();
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

std::optional<std::string> Utf8ToCp932(std::string_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wideLength == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), wideLength);
  // WC_NO_BEST_FIT_CHARS: a character without a code of its own must not become a
  // look-alike, which would name another folder.
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length == 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, bytes.data(),
                      length, nullptr, nullptr);
  return bytes;
}

}  // namespace vestara
