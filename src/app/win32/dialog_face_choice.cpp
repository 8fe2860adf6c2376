#include "app/win32/dialog_face_choice.h"

#include <array>

#include "app/dialog_template.h"

namespace vestara {
namespace {

// Best first. Yu Gothic UI comes with every Windows since 10 whatever its language; Meiryo UI
// and MS UI Gothic with earlier ones, and with the Japanese supplemental fonts.
constexpr std::array<std::string_view, 3> kJapaneseUiFaces{"Yu Gothic UI", "Meiryo UI",
                                                           "MS UI Gothic"};

}  // namespace

std::string_view ChooseDialogFace(const std::function<bool(std::string_view face)>& isInstalled) {
  if (isInstalled(kDialogFontFamily)) return kDialogFontFamily;
  for (const std::string_view face : kJapaneseUiFaces) {
    if (isInstalled(face)) return face;
  }
  return kDialogFontFamily;
}

}  // namespace vestara
