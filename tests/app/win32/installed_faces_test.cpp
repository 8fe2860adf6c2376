#include "app/win32/installed_faces.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/windows/wide_text.h"

namespace vestara {
namespace {

int CALLBACK Collect(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  reinterpret_cast<std::set<std::wstring>*>(faces)->insert(font->lfFaceName);
  return 1;
}

// Every family the system lists for `charset`.
std::set<std::wstring> FamiliesFor(BYTE charset) {
  LOGFONTW all{};
  all.lfCharSet = charset;
  std::set<std::wstring> faces;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &all, Collect, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, screen);
  return faces;
}

TEST(InstalledFacesTest, FindsEveryFamilyListedForJapanese) {
  const std::set<std::wstring> japanese = FamiliesFor(SHIFTJIS_CHARSET);
  if (japanese.empty()) GTEST_SKIP() << "no Japanese font installed";
  for (const std::wstring& face : japanese) {
    EXPECT_TRUE(IsJapaneseFaceInstalled(Utf8FromWide(face))) << Utf8FromWide(face);
  }
}

TEST(InstalledFacesTest, RefusesFamiliesThatLackJapanese) {
  const std::set<std::wstring> japanese = FamiliesFor(SHIFTJIS_CHARSET);
  int refused = 0;
  for (const std::wstring& face : FamiliesFor(ANSI_CHARSET)) {
    if (japanese.contains(face)) continue;
    EXPECT_FALSE(IsJapaneseFaceInstalled(Utf8FromWide(face))) << Utf8FromWide(face);
    ++refused;
  }
  if (refused == 0) GTEST_SKIP() << "every installed font covers Japanese";
}

TEST(InstalledFacesTest, RefusesNamesNoFamilyHas) {
  EXPECT_FALSE(IsJapaneseFaceInstalled("Vestara No Such Face 7"));
  EXPECT_FALSE(IsJapaneseFaceInstalled(""));
  // Longer than a LOGFONT holds: never cut to a name that might exist.
  EXPECT_FALSE(IsJapaneseFaceInstalled(std::string(40, 'A')));
}

}  // namespace
}  // namespace vestara
