#include "app/win32/dialog_face_choice.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vestara {
namespace {

struct FaceCase {
  std::set<std::string, std::less<>> installed;
  std::string_view chosen;
};

TEST(DialogFaceChoiceTest, TakesTheTemplateFaceElseTheFirstInstalledJapaneseUiFace) {
  const std::string_view kTemplate = "ＭＳ Ｐゴシック";
  const std::vector<FaceCase> cases{
      {{"ＭＳ Ｐゴシック", "Yu Gothic UI", "Meiryo UI", "MS UI Gothic"}, kTemplate},
      {{"ＭＳ Ｐゴシック"}, kTemplate},
      {{"MS UI Gothic", "ＭＳ Ｐゴシック"}, kTemplate},
      {{"Yu Gothic UI", "Meiryo UI", "MS UI Gothic"}, "Yu Gothic UI"},
      {{"Meiryo UI", "MS UI Gothic"}, "Meiryo UI"},
      {{"MS UI Gothic", "Yu Gothic UI"}, "Yu Gothic UI"},
      {{"MS UI Gothic"}, "MS UI Gothic"},
      {{"Meiryo UI", "Tahoma"}, "Meiryo UI"},
      // Neither: the template's face, which the system maps as best it can.
      {{"Tahoma", "Segoe UI"}, kTemplate},
      {{}, kTemplate},
  };
  for (const FaceCase& row : cases) {
    std::string installed;
    for (const std::string& face : row.installed) installed += face + "; ";
    SCOPED_TRACE(installed);
    EXPECT_EQ(ChooseDialogFace([&](std::string_view face) { return row.installed.contains(face); }),
              row.chosen);
  }
}

TEST(DialogFaceChoiceTest, AsksNoFurtherOnceTheTemplateFaceIsInstalled) {
  std::vector<std::string> asked;
  ChooseDialogFace([&](std::string_view face) {
    asked.emplace_back(face);
    return true;
  });
  EXPECT_EQ(asked, std::vector<std::string>{"ＭＳ Ｐゴシック"});
}

}  // namespace
}  // namespace vestara
