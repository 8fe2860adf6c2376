#include "app/win32/dialog_face_choice.h"

#include <array>

#include "app/dialog_template.h"

namespace vestara {

std::span<const std::string_view> JapaneseUiFaces() {
  // Yu Gothic UI comes with every Windows since 10 whatever its language; Meiryo UI and
  // MS UI Gothic with older ones and with the Japanese supplemental fonts.
  static constexpr std::array<std::string_view, 3> kFaces{"Yu Gothic UI", "Meiryo UI",
                                                          "MS UI Gothic"};
  return kFaces;
}

std::string_view ChooseDialogFace(const std::function<bool(std::string_view face)>& isInstalled) {
  if (isInstalled(kDialogFontFamily)) return kDialogFontFamily;
  for (const std::string_view face : JapaneseUiFaces()) {
    if (isInstalled(face)) return face;
  }
  return kDialogFontFamily;
}

}  // namespace vestara
