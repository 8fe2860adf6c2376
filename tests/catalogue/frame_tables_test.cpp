#include "catalogue/frame_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace vestara {
namespace {

struct CategoryLookup {
  ItemCategory category;
  FrameIndex (*lookup)(std::uint16_t);
  std::size_t length;
};

TEST(FrameTablesTest, LookupsGiveTheEntryInsideTheListAndNoFrameElsewhere) {
  const CategoryLookup lookups[] = {{Weapon, GetWeaponFrame, 96}, {Shield, GetShieldFrame, 17},
                                    {Armor, GetArmorFrame, 61},   {Shoes, GetShoesFrame, 21},
                                    {Ring, GetRingFrame, 65},     {Necklace, GetNecklaceFrame, 54},
                                    {Soul, GetSoulFrame, 23}};
  for (const auto& [category, lookup, length] : lookups) {
    SCOPED_TRACE(category);
    const auto table = FrameTableOf(category);
    ASSERT_EQ(table.size(), length);
    EXPECT_EQ(ItemCountOf(category), length);
    for (const FrameTableEntry& entry : table) {
      EXPECT_NE(entry.frame, kNoFrame);
      EXPECT_TRUE(entry.label.starts_with(CategoryCaption(category))) << entry.label;
    }
    // Every 16-bit selection, 65535 (no selection) included.
    for (std::uint32_t selection = 0; selection <= 0xFFFF; ++selection) {
      const FrameIndex expected = selection < length ? table[selection].frame : kNoFrame;
      ASSERT_EQ(lookup(static_cast<std::uint16_t>(selection)), expected) << selection;
      ASSERT_EQ(LookupFrame(category, static_cast<std::uint16_t>(selection)), expected);
    }
  }
  for (const std::int32_t category : {-1, kItemCategoryCount, 100, INT_MIN}) {
    EXPECT_TRUE(FrameTableOf(category).empty()) << category;
    EXPECT_EQ(ItemCountOf(category), 0u) << category;
    EXPECT_EQ(LookupFrame(category, 0), kNoFrame) << category;
  }
}

// Entries first to last give start, start + step, ... These pin every shield, ring, necklace
// and soul entry, so those tables need no rule of their own.
struct FrameRun {
  ItemCategory category;
  int first, last, start, step = 1;
};

TEST(FrameTablesTest, EntriesGiveTheirItemsFrames) {
  const FrameRun runs[] = {
      {Weapon, 0, 0, 0},       {Weapon, 3, 3, 4},       {Weapon, 5, 5, 3},
      {Weapon, 8, 8, 40},      {Weapon, 69, 69, 84},    {Weapon, 76, 79, 85},
      {Weapon, 82, 95, 89},    {Shield, 0, 0, 0},       {Shield, 1, 2, 2},
      {Shield, 3, 3, 1},       {Shield, 4, 4, 5},       {Shield, 5, 5, 4},
      {Shield, 6, 7, 7},       {Shield, 8, 8, 6},       {Shield, 9, 16, 9},
      {Armor, 0, 6, 0},        {Armor, 7, 7, 11},       {Armor, 12, 12, 31},
      {Armor, 14, 14, 14},     {Armor, 16, 16, 13},     {Armor, 29, 29, 44},
      {Armor, 32, 32, 32},     {Armor, 37, 37, 27},     {Armor, 38, 38, 42},
      {Armor, 39, 43, 37},     {Armor, 44, 44, 43},     {Armor, 45, 60, 45},
      {Shoes, 0, 0, 17},       {Shoes, 1, 1, 0},        {Shoes, 14, 14, 6},
      {Shoes, 16, 16, 7},      {Shoes, 17, 17, 18},     {Shoes, 20, 20, 20},
      {Ring, 0, 0, 13},        {Ring, 1, 18, 16},       {Ring, 19, 19, 74},
      {Ring, 20, 28, 85},      {Ring, 29, 30, 103},     {Ring, 31, 37, 107},
      {Ring, 38, 42, 149},     {Ring, 43, 52, 177, 2},  {Ring, 53, 64, 196},
      {Necklace, 0, 17, 34},   {Necklace, 18, 18, 84},  {Necklace, 19, 27, 94},
      {Necklace, 28, 29, 105}, {Necklace, 30, 36, 114}, {Necklace, 37, 45, 178, 2},
      {Necklace, 46, 53, 208}, {Soul, 0, 22, 154}};
  for (const auto& [category, first, last, start, step] : runs) {
    for (int i = first; i <= last; ++i) {
      EXPECT_EQ(FrameTableOf(category)[i].frame, start + step * (i - first))
          << category << " " << i;
    }
  }
}

std::vector<int> SortedFrames(ItemCategory category) {
  std::vector<int> frames;
  for (const FrameTableEntry& entry : FrameTableOf(category)) frames.push_back(entry.frame);
  std::sort(frames.begin(), frames.end());
  return frames;
}

TEST(FrameTablesTest, EachItemHasAFrameOfItsOwn) {
  // Armor and shoes name every frame of 0 to the list length - 1 once.
  for (const ItemCategory category : {Armor, Shoes}) {
    std::vector<int> positions(ItemCountOf(category));
    std::iota(positions.begin(), positions.end(), 0);
    EXPECT_EQ(SortedFrames(category), positions) << category;
  }
  // The weapon frames all differ, end at 102 and skip 77 to 83.
  const std::vector<int> weapons = SortedFrames(Weapon);
  EXPECT_EQ(std::adjacent_find(weapons.begin(), weapons.end()), weapons.end());
  EXPECT_EQ(weapons.back(), 102);
  EXPECT_EQ(std::lower_bound(weapons.begin(), weapons.end(), 77),
            std::lower_bound(weapons.begin(), weapons.end(), 84));
}

// Every pair (later, earlier) of entries that share a label, earlier the first to show it.
std::vector<std::pair<int, int>> RepeatedLabels(ItemCategory category) {
  const auto table = FrameTableOf(category);
  std::vector<std::pair<int, int>> repeats;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto first = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
      return entry.label == table[i].label;
    });
    if (first != table.begin() + i) repeats.emplace_back(i, first - table.begin());
  }
  return repeats;
}

TEST(FrameTablesTest, LabelsRepeatExactlyWhereTheListsRepeatThem) {
  const std::vector<std::pair<int, int>> armor = {{38, 37}, {48, 14}, {49, 16}, {50, 21}, {51, 22},
                                                  {52, 23}, {53, 26}, {54, 27}, {55, 28}, {56, 30},
                                                  {57, 31}, {58, 32}, {59, 33}};
  EXPECT_EQ(RepeatedLabels(Armor), armor);
  EXPECT_EQ(RepeatedLabels(Shoes), (std::vector<std::pair<int, int>>{{17, 16}}));
  for (const ItemCategory category : {Weapon, Shield, Ring, Necklace, Soul}) {
    EXPECT_TRUE(RepeatedLabels(category).empty()) << category;
  }
}

}  // namespace
}  // namespace vestara
