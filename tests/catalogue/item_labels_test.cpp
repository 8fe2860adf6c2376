#include <gtest/gtest.h>

#include <climits>
#include <string_view>
#include <vector>

#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"

namespace vestara {
namespace {

std::vector<std::string_view> AsVector(std::span<const std::string_view> labels) {
  return {labels.begin(), labels.end()};
}

TEST(CategoryNames, NamesAndCaptionsPerCategory) {
  const struct {
    ItemCategory category;
    std::string_view name;
    std::string_view caption;
  } expected[] = {
      {Weapon, "weapon", "武器"}, {Shield, "shield", "盾"}, {Armor, "armor", "鎧・服"},
      {Shoes, "shoes", "靴"},     {Ring, "ring", "指輪"},   {Necklace, "necklace", "ネクレ"},
      {Soul, "soul", "魂"},
  };
  for (const auto& [category, name, caption] : expected) {
    EXPECT_EQ(CategoryName(category), name);
    EXPECT_EQ(CategoryCaption(category), caption);
    EXPECT_EQ(CategoryFromName(name), category) << name;
  }
}

TEST(CategoryNames, UnknownValuesAndNames) {
  for (const int category : {-1, kItemCategoryCount, INT_MIN}) {
    EXPECT_TRUE(CategoryName(category).empty());
    EXPECT_TRUE(CategoryCaption(category).empty());
  }
  for (const std::string_view name : {"", "Weapon", "weapons", "shoe", "armor ", "武器"}) {
    EXPECT_EQ(CategoryFromName(name), std::nullopt) << name;
  }
}

TEST(ItemLabels, ColourLists) {
  EXPECT_EQ(AsVector(ArmorColourLabels()),
            (std::vector<std::string_view>{"色 1", "色 2", "色 3", "色 4", "色 5"}));
  EXPECT_EQ(
      AsVector(ShoesColourLabels()),
      (std::vector<std::string_view>{"色 1", "色 2", "色 3", "色 4", "色 5", "色 6", "色 7"}));
}

TEST(ItemLabels, BackgroundListAndColours) {
  EXPECT_EQ(AsVector(BackgroundLabels()), (std::vector<std::string_view>{"白", "紫", "緑", "黒"}));
  EXPECT_EQ(BackgroundColorOf(0), 0xFFFFFFu);
  EXPECT_EQ(BackgroundColorOf(1), 0xFF00FFu);
  EXPECT_EQ(BackgroundColorOf(2), 0x00FF00u);
  EXPECT_EQ(BackgroundColorOf(3), 0x000000u);
  for (const int outside : {-1, 4, 5, INT_MAX, INT_MIN}) {
    EXPECT_EQ(BackgroundColorOf(outside), 0xFFFFFFu) << outside;
  }
}

}  // namespace
}  // namespace vestara
