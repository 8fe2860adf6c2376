#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/frame_tables.h"

namespace vestara {
namespace {

using Table = std::span<const FrameTableEntry>;

std::vector<int> FramesOf(Table table) {
  std::vector<int> frames;
  for (const auto& entry : table) frames.push_back(entry.frame);
  return frames;
}

// True when the frames are 0 .. size - 1, each once.
bool IsPermutationOfPositions(Table table) {
  auto frames = FramesOf(table);
  std::sort(frames.begin(), frames.end());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (frames[i] != static_cast<int>(i)) return false;
  }
  return true;
}

bool FramesAreDistinct(Table table) {
  const auto frames = FramesOf(table);
  return std::set<int>(frames.begin(), frames.end()).size() == frames.size();
}

// Entries first..last (inclusive) give factor * index + offset.
struct Run {
  int first;
  int last;
  int factor;
  int offset;
};

void ExpectRuns(Table table, std::initializer_list<Run> runs) {
  for (const auto& [first, last, factor, offset] : runs) {
    for (int i = first; i <= last; ++i) {
      EXPECT_EQ(table[i].frame, factor * i + offset) << "entry " << i;
    }
  }
}

// Every pair (later, earlier) of entries that share a label, with earlier the first
// entry that shows it.
std::vector<std::pair<int, int>> RepeatedLabels(Table table) {
  std::vector<std::pair<int, int>> repeats;
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (table[j].label == table[i].label) {
        repeats.emplace_back(static_cast<int>(i), static_cast<int>(j));
        break;
      }
    }
  }
  return repeats;
}

TEST(FrameTableRules, Weapon) {
  const Table table = WeaponFrameTable;
  EXPECT_TRUE(FramesAreDistinct(table));
  for (const auto& entry : table) {
    EXPECT_LE(entry.frame, 102);
    EXPECT_FALSE(entry.frame >= 77 && entry.frame <= 83) << int{entry.frame};
  }
  ExpectRuns(table, {{76, 79, 1, 9}, {82, 95, 1, 7}});
}

TEST(FrameTableRules, Shield) {
  const Table table = ShieldFrameTable;
  EXPECT_TRUE(IsPermutationOfPositions(table));
  ExpectRuns(table, {{0, 0, 1, 0}, {9, 16, 1, 0}});
  const int swapped[] = {2, 3, 1, 5, 4, 7, 8, 6};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(table[i].frame, swapped[i - 1]) << i;
}

TEST(FrameTableRules, Armor) {
  const Table table = ArmorFrameTable;
  EXPECT_TRUE(IsPermutationOfPositions(table));
  ExpectRuns(table, {{0, 6, 1, 0},
                     {14, 14, 1, 0},
                     {32, 32, 1, 0},
                     {45, 60, 1, 0},
                     {39, 43, 1, -2},
                     {44, 44, 1, -1}});
}

TEST(FrameTableRules, ArmorRepeatsExactlyThirteenLabels) {
  const std::vector<std::pair<int, int>> expected = {
      {38, 37}, {48, 14}, {49, 16}, {50, 21}, {51, 22}, {52, 23}, {53, 26},
      {54, 27}, {55, 28}, {56, 30}, {57, 31}, {58, 32}, {59, 33},
  };
  EXPECT_EQ(RepeatedLabels(ArmorFrameTable), expected);
  // Items that share a label keep frames of their own.
  for (const auto& [later, earlier] : expected) {
    EXPECT_NE(ArmorFrameTable[later].frame, ArmorFrameTable[earlier].frame) << later;
  }
}

TEST(FrameTableRules, Shoes) {
  const Table table = ShoesFrameTable;
  EXPECT_TRUE(IsPermutationOfPositions(table));
  EXPECT_EQ(RepeatedLabels(table), (std::vector<std::pair<int, int>>{{17, 16}}));
}

TEST(FrameTableRules, OtherListsShowEveryLabelOnce) {
  for (const Table table : {Table{WeaponFrameTable}, Table{ShieldFrameTable}, Table{RingFrameTable},
                            Table{NecklaceFrameTable}, Table{SoulFrameTable}}) {
    EXPECT_TRUE(RepeatedLabels(table).empty());
  }
}

TEST(FrameTableRules, AccessoryRuns) {
  ExpectRuns(RingFrameTable, {{0, 0, 1, 13},
                              {1, 18, 1, 15},
                              {19, 19, 0, 74},
                              {20, 28, 1, 65},
                              {29, 30, 1, 74},
                              {31, 37, 1, 76},
                              {38, 42, 1, 111},
                              {43, 52, 2, 91},
                              {53, 64, 1, 143}});
  ExpectRuns(NecklaceFrameTable, {{0, 17, 1, 34},
                                  {18, 18, 0, 84},
                                  {19, 27, 1, 75},
                                  {28, 29, 1, 77},
                                  {30, 36, 1, 84},
                                  {37, 45, 2, 104},
                                  {46, 53, 1, 162}});
  ExpectRuns(SoulFrameTable, {{0, 22, 1, 154}});
}

TEST(FrameTableRules, AccessoriesDivideTheirArchiveWithoutOverlap) {
  std::set<int> named;
  std::size_t entries = 0;
  for (const Table table :
       {Table{RingFrameTable}, Table{NecklaceFrameTable}, Table{SoulFrameTable}}) {
    for (const auto& entry : table) named.insert(entry.frame);
    entries += table.size();
  }
  EXPECT_EQ(entries, 142u);
  EXPECT_EQ(named.size(), 142u);  // no frame twice, within or across tables
  EXPECT_EQ(*named.begin(), 13);
  EXPECT_EQ(*named.rbegin(), 215);
  const std::pair<int, int> unnamed[] = {{0, 12}, {14, 15}, {52, 73}, {75, 83}, {121, 148}};
  for (const auto& [first, last] : unnamed) {
    for (int frame = first; frame <= last; ++frame) EXPECT_EQ(named.count(frame), 0u) << frame;
  }
}

TEST(FrameTableRules, NoEntryHoldsTheNoFrameValue) {
  for (int category = 0; category < kItemCategoryCount; ++category) {
    for (const auto& entry : FrameTableOf(category)) EXPECT_NE(entry.frame, kNoFrame);
  }
}

TEST(FrameTableRules, LabelsAreTheCaptionAndAPosition) {
  const std::pair<Table, std::string_view> firsts[] = {
      {WeaponFrameTable, "武器 1"}, {ShieldFrameTable, "盾 1"}, {ArmorFrameTable, "鎧・服 1"},
      {ShoesFrameTable, "靴 1"},    {RingFrameTable, "指輪 1"}, {NecklaceFrameTable, "ネクレ 1"},
      {SoulFrameTable, "魂 1"},
  };
  for (const auto& [table, first] : firsts) EXPECT_EQ(table.front().label, first);
  EXPECT_EQ(WeaponFrameTable.back().label, "武器 96");
  EXPECT_EQ(ArmorFrameTable[48].label, "鎧・服 15");
  EXPECT_EQ(ArmorFrameTable.back().label, "鎧・服 61");
  EXPECT_EQ(ShoesFrameTable[17].label, "靴 17");
  EXPECT_EQ(SoulFrameTable.back().label, "魂 23");
}

}  // namespace
}  // namespace vestara
