#include "app/win32/installed_faces.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/windows/wide_text.h"

namespace vestara {
namespace {

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

bool IsJapaneseFaceInstalled(std::string_view face) {
  const std::wstring name = WideFromUtf8(face);
  if (name.empty() || name.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted{};
  // Only faces that hold the Japanese code page: one of the name without it would still
  // draw the captions as boxes.
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  std::ranges::copy(name, wanted.lfFaceName);
  bool found = false;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace vestara
