// Which lines of a names file name which list entries, and which are bad and why.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "item_names/item_names.h"

namespace vestara {

bool operator==(const ItemName& a, const ItemName& b) {
  return a.category == b.category && a.position == b.position && a.label == b.label;
}
bool operator==(const BadNameLine& a, const BadNameLine& b) {
  return a.line == b.line && a.reason == b.reason;
}
void PrintTo(const ItemName& name, std::ostream* out) {
  *out << name.category << "/" << name.position << " <" << name.label << ">";
}
void PrintTo(const BadNameLine& bad, std::ostream* out) { *out << bad.line << ": " << bad.reason; }

namespace {

const std::string kHeader = "category,position,label\r\n";
const std::string kIndexHeader =
    "category,position,label,gender,colour,archive,frame,width,height,file\r\n";

struct NamesCase {
  const char* what;
  std::string text;
  std::vector<ItemName> names;
  std::vector<BadNameLine> badLines;
};

TEST(ItemNamesTest, NamesEntriesAndSkipsBadLinesWithTheirLineNumbers) {
  const NamesCase cases[] = {
      {"the header alone, LF", "category,position,label\n", {}, {}},
      {"quoted header fields and more columns than three",
       "\"category\",\"position\",\"label\",notes\nring,3,Band,ignored,too\n",
       {{Ring, 3, "Band"}},
       {}},
      {"quoted labels with commas, quotes and line breaks; a last line without an end",
       kHeader + "weapon,5,\"Sword, \"\"long\"\"\r\nof old\"\r\nshield,0,Buckler",
       {{Weapon, 5, "Sword, \"long\"\r\nof old"}, {Shield, 0, "Buckler"}},
       {}},
      {"a line after a quoted line break is counted as its own line",
       kHeader + "weapon,1,\"a\nb\"\nsword,1,x\n",
       {{Weapon, 1, "a\nb"}},
       {{4, "unknown category \"sword\""}}},
      {"an export's index.csv: every gender and colour, defaults name nothing",
       kIndexHeader + "armor,7,鎧・服 8,male,0,Armor000.spr.NCS,7,40,50,armor/male-0/007.png\r\n"
                      "armor,7,Robe,female,3,Armor103.spr.NCS,7,40,50,armor/female-3/007.png\r\n"
                      "armor,7,鎧・服 8,female,4,Armor104.spr.NCS,7,,,\r\n",
       {{Armor, 7, "Robe"}},
       {}},
      {"empty labels, default labels and later names of a named entry name nothing",
       kHeader + "weapon,5,武器 6\nweapon,5,\nweapon,5,First\nweapon,5,Second\nweapon,6,武器 6\n",
       {{Weapon, 5, "First"}, {Weapon, 6, "武器 6"}},
       {}},
      {"positions: leading zeros read, signs, spaces and words do not",
       kHeader + "soul,007,Wisp\nsoul,+1,x\nsoul, 2,x\nsoul,,x\nsoul,three,x\n",
       {{Soul, 7, "Wisp"}},
       {{3, "position \"+1\" is not a number"},
        {4, "position \" 2\" is not a number"},
        {5, "position \"\" is not a number"},
        {6, "position \"three\" is not a number"}}},
      {"positions beyond the list, however large",
       kHeader + "necklace,54,x\nshield,99999999999999999999999,x\n",
       {},
       {{2, "position 54 is beyond the necklace list (0 to 53)"},
        {3, "position 99999999999999999999999 is beyond the shield list (0 to 16)"}}},
      {"categories are the command line's names, in lower case",
       kHeader + "Weapon,1,x\n武器,1,x\n,1,x\n",
       {},
       {{2, "unknown category \"Weapon\""},
        {3, "unknown category \"武器\""},
        {4, "unknown category \"\""}}},
      {"lines that do not parse or lack the label",
       kHeader + "weapon,1,ab\"c\nweapon,2,\"ab\"c\nweapon,3\nweapon,4,Good\nweapon,5,\"open\n",
       {{Weapon, 4, "Good"}},
       {{2, "a quote inside an unquoted field"},
        {3, "text after a closing quote"},
        {4, "fewer than three fields"},
        {6, "a quoted field is not closed"}}},
      {"empty rows are no lines", kHeader + "\r\n,,,\r\nring,0,x\r\n", {{Ring, 0, "x"}}, {}},
  };
  for (const NamesCase& test : cases) {
    SCOPED_TRACE(test.what);
    const ItemNames parsed = ParseItemNames(test.text);
    EXPECT_EQ(parsed.names, test.names);
    EXPECT_EQ(parsed.badLines, test.badLines);
    EXPECT_EQ(parsed.fileProblem, "");
  }
}

TEST(ItemNamesTest, AWrongHeaderGivesNoNamesAndOneBadFirstLine) {
  const std::vector<BadNameLine> badHeader = {
      {1, "the first line is not the header category,position,label"}};
  for (const std::string header :
       {"", "\n", "category,label,position\n", "category,position\n", "Category,position,label\n",
        "category, position,label\n", "\"category,position,label\"\n", "\"category\n"}) {
    SCOPED_TRACE(header);
    const ItemNames parsed = ParseItemNames(header + "weapon,0,Named\n");
    EXPECT_TRUE(parsed.names.empty());
    EXPECT_EQ(parsed.badLines, badHeader);
  }
}

// Every category reaches to its last entry and no further; the counts are the viewer's
// list lengths.
TEST(ItemNamesTest, EveryCategoryEndsAtItsListsLength) {
  const std::pair<const char*, int> lengths[] = {{"weapon", 96}, {"shield", 17}, {"armor", 61},
                                                 {"shoes", 21},  {"ring", 65},   {"necklace", 54},
                                                 {"soul", 23}};
  for (const auto& [category, length] : lengths) {
    SCOPED_TRACE(category);
    const std::string last = std::to_string(length - 1);
    const ItemNames parsed = ParseItemNames(kHeader + category + "," + last + ",Last\n" + category +
                                            "," + std::to_string(length) + ",Past\n");
    ASSERT_EQ(parsed.names.size(), 1u);
    EXPECT_EQ(parsed.names[0].position, length - 1);
    EXPECT_EQ(parsed.names[0].label, "Last");
    ASSERT_EQ(parsed.badLines.size(), 1u);
    EXPECT_EQ(parsed.badLines[0].line, 3);
  }
}

TEST(ItemNamesTest, FindGivesANamedEntrysNameAndNothingForOthers) {
  const ItemNames parsed = ParseItemNames(kHeader + "ring,3,Band\nsoul,3,Wisp\n");
  ASSERT_NE(parsed.Find(Ring, 3), nullptr);
  EXPECT_EQ(*parsed.Find(Ring, 3), "Band");
  EXPECT_EQ(*parsed.Find(Soul, 3), "Wisp");
  EXPECT_EQ(parsed.Find(Necklace, 3), nullptr);
  EXPECT_EQ(parsed.Find(Ring, 4), nullptr);
}

}  // namespace
}  // namespace vestara
