#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/export_index.h"
#include "cli/progress_bar.h"

namespace vestara {
namespace {

TEST(ExportIndexTest, CsvFieldsAreQuotedOnlyWhenNeeded) {
  const struct {
    std::string text, field;
  } cases[] = {
      {"ロングソード", "ロングソード"},
      {"", ""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

TEST(ExportIndexTest, CsvLineListsTheColumnsAndLeavesUnknownSizesEmpty) {
  const ExportedItem found{"armor",
                           7,
                           "Mail, fine",
                           "female",
                           "2",
                           "Armor102.spr.NCS",
                           11,
                           FrameSize{40, 52},
                           "armor/female-2/007.png",
                           ""};
  const ExportedItem missing{
      "ring",          0,  "R",          "", "",
      "eitem.spr.NCS", 13, std::nullopt, "", "missing archive eitem.spr.NCS"};
  EXPECT_EQ(MakeIndexCsv({found, missing}),
            "category,position,label,gender,colour,archive,frame,width,height,file\r\n"
            "armor,7,\"Mail, fine\",female,2,Armor102.spr.NCS,11,40,52,armor/female-2/007.png\r\n"
            "ring,0,R,,,eitem.spr.NCS,13,,,\r\n");
}

TEST(ExportIndexTest, ContactSheetEscapesLabelsAndShowsMissingItems) {
  EXPECT_EQ(HtmlEscape("<b>&\"'x'"), "&lt;b&gt;&amp;&quot;&#39;x&#39;");
  const std::string html =
      MakeContactSheet({{"weapon", 3, "<script>", "", "", "Weapon.spr.NCS", 4, FrameSize{1, 1},
                         "weapon/003.png", ""},
                        {"shoes", 12, "Boots", "male", "6", "Shoes006.spr.NCS", 12, std::nullopt,
                         "", "missing archive Shoes006.spr.NCS"}});
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("<img src=\"weapon/003.png\" alt=\"&lt;script&gt;\""), std::string::npos);
  EXPECT_NE(html.find("<h2>shoes male-6</h2>"), std::string::npos);
  EXPECT_NE(html.find("012 Boots<br>missing archive Shoes006.spr.NCS"), std::string::npos);
}

TEST(ProgressBarTest, DrawsInPlaceOnlyWhenEnabled) {
  std::ostringstream shown, silent;
  ProgressBar bar(shown, 4, true), quiet(silent, 4, false);
  for (int i = 0; i < 4; ++i) {
    bar.Advance();
    quiet.Advance();
  }
  bar.Finish();
  quiet.Finish();
  EXPECT_EQ(silent.str(), "");
  EXPECT_EQ(shown.str().rfind("\r[" + std::string(40, '#') + "] 4/4\n"), shown.str().size() - 48);
  EXPECT_NE(shown.str().find("\r[" + std::string(10, '#') + std::string(30, ' ') + "] 1/4"),
            std::string::npos);
}

}  // namespace
}  // namespace vestara
