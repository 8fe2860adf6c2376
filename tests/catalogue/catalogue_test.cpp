#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"

namespace vestara {
namespace {

TEST(FrameTablesTest, LabelsAndLookupsFollowTheLists) {
  // Labels number the items, except where a list repeats an earlier label:
  // {category, position, the number shown instead of position + 1}.
  const std::tuple<ItemCategory, std::size_t, int> repeats[] = {
      {Armor, 38, 38}, {Armor, 48, 15}, {Armor, 49, 17}, {Armor, 50, 22}, {Armor, 51, 23},
      {Armor, 52, 24}, {Armor, 53, 27}, {Armor, 54, 28}, {Armor, 55, 29}, {Armor, 56, 31},
      {Armor, 57, 32}, {Armor, 58, 33}, {Armor, 59, 34}, {Shoes, 17, 17}};
  const std::tuple<ItemCategory, FrameIndex (*)(std::uint16_t), std::size_t> lookups[] = {
      {Weapon, GetWeaponFrame, 96}, {Shield, GetShieldFrame, 17}, {Armor, GetArmorFrame, 61},
      {Shoes, GetShoesFrame, 21},   {Ring, GetRingFrame, 65},     {Necklace, GetNecklaceFrame, 54},
      {Soul, GetSoulFrame, 23}};
  for (const auto& [category, lookup, length] : lookups) {
    SCOPED_TRACE(category);
    const auto table = FrameTableOf(category);
    ASSERT_EQ(table.size(), length);
    EXPECT_EQ(ItemCountOf(category), length);
    for (std::size_t i = 0; i < length; ++i) {
      int number = static_cast<int>(i) + 1;
      for (const auto& [where, position, shown] : repeats) {
        if (where == category && position == i) number = shown;
      }
      EXPECT_EQ(table[i].label,
                std::string(CategoryCaption(category)) + " " + std::to_string(number));
    }
    // Every 16-bit selection, 65535 (no selection) included.
    for (std::uint32_t selection = 0; selection <= 0xFFFF; ++selection) {
      const FrameIndex expected = selection < length ? table[selection].frame : kNoFrame;
      ASSERT_EQ(lookup(static_cast<std::uint16_t>(selection)), expected) << selection;
      ASSERT_EQ(LookupFrame(category, static_cast<std::uint16_t>(selection)), expected);
    }
  }
  for (const std::int32_t category : {-1, kItemCategoryCount, INT_MIN}) {
    EXPECT_TRUE(FrameTableOf(category).empty()) << category;
    EXPECT_EQ(LookupFrame(category, 0), kNoFrame) << category;
  }
}

std::vector<int> SortedFrames(std::initializer_list<ItemCategory> categories) {
  std::vector<int> frames;
  for (const ItemCategory category : categories) {
    for (const FrameTableEntry& entry : FrameTableOf(category)) frames.push_back(entry.frame);
  }
  std::sort(frames.begin(), frames.end());
  return frames;
}

TEST(FrameTablesTest, EachItemHasAFrameOfItsOwn) {
  const std::tuple<ItemCategory, int, int> pinned[] = {
      {Weapon, 5, 3},  {Weapon, 95, 102}, {Shield, 8, 6},      {Armor, 12, 31}, {Shoes, 0, 17},
      {Ring, 52, 195}, {Ring, 64, 207},   {Necklace, 45, 194}, {Soul, 22, 176}};
  for (const auto& [category, position, frame] : pinned) {
    EXPECT_EQ(FrameTableOf(category)[position].frame, frame) << category << " " << position;
  }
  // Shields, armor and shoes use every frame below their list length once; no two weapons
  // share a frame, nor do rings, necklaces and souls, which divide one archive.
  for (const ItemCategory category : {Shield, Armor, Shoes}) {
    std::vector<int> positions(ItemCountOf(category));
    std::iota(positions.begin(), positions.end(), 0);
    EXPECT_EQ(SortedFrames({category}), positions) << category;
  }
  for (const auto& frames : {SortedFrames({Weapon}), SortedFrames({Ring, Necklace, Soul})}) {
    EXPECT_EQ(std::adjacent_find(frames.begin(), frames.end()), frames.end());
  }
}

TEST(ArchiveNamesTest, FixedNamesAndTheArmorAndShoesRule) {
  // Categories -1 to 7: armor and shoes have none, nor have values outside the categories.
  const std::string_view fixed[] = {"", "Weapon.spr.NCS", "Shields.spr.NCS", "",
                                    "", "eitem.spr.NCS",  "eitem.spr.NCS",   "eitem.spr.NCS",
                                    ""};
  for (int category = -1; category <= kItemCategoryCount; ++category) {
    EXPECT_EQ(FixedArchiveName(category), fixed[category + 1]) << category;
  }
  // The gender's low byte above the colour, cut to 16 bits, in upper-case hex of at least
  // three digits.
  const std::tuple<std::int32_t, std::int32_t, std::string> variants[] = {
      {1, 6, "106"},     {0x101, 3, "103"},    {0, 0x1A, "01A"},
      {0xAB, 0, "AB00"}, {0, 0x12345, "2345"}, {-1, 0, "FF00"}};
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
  EXPECT_EQ(CategoryName(-1), "");
  EXPECT_EQ(CategoryCaption(kItemCategoryCount), "");
  for (const std::string_view name : {"", "Weapon", "weapons", "武器"}) {
    EXPECT_EQ(CategoryFromName(name), std::nullopt) << name;
  }

  // A colour list position is the archive's colour code. Backgrounds of positions -1 to 4: outside
  // the list, white.
  EXPECT_EQ(ArmorColourLabels().size(), 5u);
  EXPECT_EQ(ShoesColourLabels().size(), 7u);
  EXPECT_EQ(std::vector(BackgroundLabels().begin(), BackgroundLabels().end()),
            (std::vector<std::string_view>{"白", "紫", "緑", "黒"}));
  const std::uint32_t colours[] = {0xFFFFFF, 0xFFFFFF, 0xFF00FF, 0x00FF00, 0x000000, 0xFFFFFF};
  for (int selection = -1; selection <= 4; ++selection) {
    EXPECT_EQ(BackgroundColorOf(selection), colours[selection + 1]) << selection;
  }
}

}  // namespace
}  // namespace vestara
