#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"

namespace vestara {
namespace {

// Labels number the items after the list's caption, except where a list repeats an earlier
// label; the lookups give each position's frame and no frame past the list's end.
TEST(FrameTablesTest, ListsHaveTheirLengthsLabelsAndEnds) {
  // {category, position, the number shown instead of position + 1}
  const std::tuple<ItemCategory, std::size_t, int> repeats[] = {
      {Armor, 38, 38}, {Armor, 48, 15}, {Armor, 49, 17}, {Armor, 50, 22}, {Armor, 51, 23},
      {Armor, 52, 24}, {Armor, 53, 27}, {Armor, 54, 28}, {Armor, 55, 29}, {Armor, 56, 31},
      {Armor, 57, 32}, {Armor, 58, 33}, {Armor, 59, 34}, {Shoes, 17, 17}};
  // The caption beside each list.
  const std::string_view captions[] = {"武器", "盾", "鎧・服", "靴", "指輪", "ネクレ", "魂"};
  const std::tuple<ItemCategory, std::size_t, int, int> ends[] = {
      {Weapon, 96, 0, 102}, {Shield, 17, 0, 16},     {Armor, 61, 0, 60},  {Shoes, 21, 17, 20},
      {Ring, 65, 13, 207},  {Necklace, 54, 34, 215}, {Soul, 23, 154, 176}};
  for (const auto& [category, length, first, last] : ends) {
    SCOPED_TRACE(category);
    const auto table = FrameTableOf(category);
    ASSERT_EQ(table.size(), length);
    for (std::size_t i = 0; i < length; ++i) {
      int number = static_cast<int>(i) + 1;
      for (const auto& [where, position, shown] : repeats) {
        if (where == category && position == i) number = shown;
      }
      EXPECT_EQ(table[i].label, std::string(captions[category]) + " " + std::to_string(number));
    }
    EXPECT_EQ(LookupFrame(category, 0), first);
    EXPECT_EQ(LookupFrame(category, static_cast<std::uint16_t>(length - 1)), last);
    for (const std::uint16_t past :
         {std::uint16_t(length), std::uint16_t{255}, std::uint16_t{65535}})
      EXPECT_EQ(LookupFrame(category, past), kNoFrame) << past;
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
    EXPECT_EQ(LookupFrame(category, static_cast<std::uint16_t>(position)), frame)
        << category << " " << position;
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
  for (const auto& [gender, color, code] : variants) {
    EXPECT_EQ(ArmorArchiveName(gender, color), "Armor" + code + ".spr.NCS");
    EXPECT_EQ(ShoesArchiveName(gender, color), "Shoes" + code + ".spr.NCS");
  }
}

}  // namespace
}  // namespace vestara
