// The entries the windows fill their lists with: the item lists show the player's names in
// place of their labels, the colour and background lists never change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/list_labels.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

const std::string kHeader = "category,position,label\n";

// "<prefix> 1", "<prefix> 2", ...: the default labels of a list of `count` entries.
std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> labels;
  for (int i = 1; i <= count; ++i) labels.push_back(prefix + " " + std::to_string(i));
  return labels;
}

struct ItemList {
  ControlId list;
  const char* category;
  std::size_t count;
};

constexpr ItemList kItemLists[] = {
    {kWeaponCombo, "weapon", 96}, {kShieldCombo, "shield", 17}, {kArmorCombo, "armor", 61},
    {kShoesCombo, "shoes", 21},   {kRingCombo, "ring", 65},     {kNecklaceCombo, "necklace", 54},
    {kSoulCombo, "soul", 23},
};

// Each list's first and last entry named: only those two change, in that list alone.
TEST(ListLabelsTest, EachItemListShowsItsOwnNamesInPlaceOfTheirLabels) {
  std::string text = kHeader;
  for (const ItemList& item : kItemLists) {
    text += std::string(item.category) + ",0,First " + item.category + "\n" + item.category + "," +
            std::to_string(item.count - 1) + ",Last " + item.category + "\n";
  }
  const ItemNames names = ParseItemNames(text);
  for (const ItemList& item : kItemLists) {
    SCOPED_TRACE(item.category);
    std::vector<std::string> expected = ListLabels(item.list, {});
    ASSERT_EQ(expected.size(), item.count);
    expected.front() = std::string("First ") + item.category;
    expected.back() = std::string("Last ") + item.category;
    EXPECT_EQ(ListLabels(item.list, names), expected);
  }
}

TEST(ListLabelsTest, OtherListsKeepTheirEntriesAndANameShowsOnOneLine) {
  const ItemNames names = ParseItemNames(kHeader + "weapon,5,\"Flame\r\nSword\tof\x01old\"\n");
  std::vector<std::string> weapons = Numbered("武器", 96);
  weapons[5] = "Flame  Sword of old";
  EXPECT_EQ(ListLabels(kWeaponCombo, names), weapons);
  const std::pair<ControlId, std::vector<std::string>> others[] = {
      {kArmorColorCombo, Numbered("色", 5)},
      {kShoesColorCombo, Numbered("色", 7)},
      {kBackgroundCombo, {"白", "紫", "緑", "黒"}},
      {kCaptureButton, {}},
  };
  for (const auto& [list, labels] : others) {
    EXPECT_EQ(ListLabels(list, names), labels) << list;
  }
}

// item-names.csv in the working directory, with its bad lines skipped; none without it.
TEST(ListLabelsTest, NamesComeFromTheWorkingDirectorysNamesFile) {
  const ScopedTestDirectory directory;
  const ScopedWorkingDirectory workingDirectory(directory.root());
  EXPECT_TRUE(LoadItemNames().names.empty());
  WriteBinaryFile(directory.root() / "item-names.csv",
                  kHeader + "weapon,96,Past\nsword,1,Blade\nweapon,\"1\",Bow\n");
  const std::vector<std::string> weapons = ListLabels(kWeaponCombo, LoadItemNames());
  std::vector<std::string> expected = Numbered("武器", 96);
  expected[1] = "Bow";
  EXPECT_EQ(weapons, expected);
}

}  // namespace
}  // namespace vestara::testing
