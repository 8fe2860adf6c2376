#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "catalogue/archive_names.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"

namespace vestara {
namespace {

TEST(ArchiveNamesTest, FixedNamesAndTheArmorAndShoesRule) {
  // By category; armor and shoes have none, nor have values outside the categories.
  const std::string_view fixed[] = {"Weapon.spr.NCS", "Shields.spr.NCS", "", "", "eitem.spr.NCS",
                                    "eitem.spr.NCS",  "eitem.spr.NCS"};
  for (int category = -1; category <= kItemCategoryCount; ++category) {
    const bool outside = category < 0 || category == kItemCategoryCount;
    EXPECT_EQ(FixedArchiveName(category), outside ? "" : fixed[category]) << category;
  }

  // The gender's low byte above the colour, cut to 16 bits, in upper-case hex of at least
  // three digits.
  const std::tuple<std::int32_t, std::int32_t, std::string> variants[] = {
      {0, 2, "002"},     {1, 4, "104"},        {1, 6, "106"},   {0x101, 3, "103"}, {0, 0x1A, "01A"},
      {0xAB, 0, "AB00"}, {0, 0x12345, "2345"}, {0, -1, "FFFF"}, {-1, 0, "FF00"}};
  for (const auto& [gender, colour, code] : variants) {
    EXPECT_EQ(ArmorArchiveName(gender, colour), "Armor" + code + ".spr.NCS");
    EXPECT_EQ(ShoesArchiveName(gender, colour), "Shoes" + code + ".spr.NCS");
  }
}

TEST(ItemNamesTest, CategoriesAndListTexts) {
  const std::tuple<ItemCategory, std::string_view, std::string_view> categories[] = {
      {Weapon, "weapon", "武器"}, {Shield, "shield", "盾"}, {Armor, "armor", "鎧・服"},
      {Shoes, "shoes", "靴"},     {Ring, "ring", "指輪"},   {Necklace, "necklace", "ネクレ"},
      {Soul, "soul", "魂"}};
  for (const auto& [category, name, caption] : categories) {
    EXPECT_EQ(CategoryName(category), name);
    EXPECT_EQ(CategoryCaption(category), caption);
    EXPECT_EQ(CategoryFromName(name), category) << name;
  }
  for (const int category : {-1, kItemCategoryCount, INT_MIN}) {
    EXPECT_EQ(CategoryName(category), "");
    EXPECT_EQ(CategoryCaption(category), "");
  }
  for (const std::string_view name : {"", "Weapon", "weapons", "shoe", "armor ", "武器"}) {
    EXPECT_EQ(CategoryFromName(name), std::nullopt) << name;
  }

  // A colour list position is the archive's colour code.
  EXPECT_EQ(ArmorColourLabels().size(), 5u);
  EXPECT_EQ(ShoesColourLabels().size(), 7u);
  const std::vector<std::string_view> backgrounds(BackgroundLabels().begin(),
                                                  BackgroundLabels().end());
  EXPECT_EQ(backgrounds, (std::vector<std::string_view>{"白", "紫", "緑", "黒"}));
  const std::pair<int, std::uint32_t> colours[] = {
      {0, 0xFFFFFF},  {1, 0xFF00FF}, {2, 0x00FF00},       {3, 0x000000},
      {-1, 0xFFFFFF}, {4, 0xFFFFFF}, {INT_MAX, 0xFFFFFF}, {INT_MIN, 0xFFFFFF}};
  for (const auto& [selection, colour] : colours) {
    EXPECT_EQ(BackgroundColorOf(selection), colour) << selection;
  }
}

}  // namespace
}  // namespace vestara
