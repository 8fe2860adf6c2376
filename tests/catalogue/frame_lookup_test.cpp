#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <utility>

#include "catalogue/frame_tables.h"

namespace vestara {
namespace {

using Lookup = FrameIndex (*)(std::uint16_t);

struct CategoryLookup {
  ItemCategory category;
  Lookup lookup;
  std::size_t length;
};

constexpr CategoryLookup kLookups[] = {
    {Weapon, GetWeaponFrame, 96}, {Shield, GetShieldFrame, 17}, {Armor, GetArmorFrame, 61},
    {Shoes, GetShoesFrame, 21},   {Ring, GetRingFrame, 65},     {Necklace, GetNecklaceFrame, 54},
    {Soul, GetSoulFrame, 23},
};

TEST(FrameLookup, EveryPositionInsideTheListGivesItsEntrysFrame) {
  for (const auto& [category, lookup, length] : kLookups) {
    SCOPED_TRACE(category);
    const auto table = FrameTableOf(category);
    ASSERT_EQ(table.size(), length);
    EXPECT_EQ(ItemCountOf(category), length);
    for (std::size_t i = 0; i < length; ++i) {
      const auto selection = static_cast<std::uint16_t>(i);
      EXPECT_EQ(lookup(selection), table[i].frame) << i;
      EXPECT_NE(lookup(selection), kNoFrame) << i;
      EXPECT_EQ(LookupFrame(category, selection), lookup(selection)) << i;
    }
  }
}

TEST(FrameLookup, PositionsPastTheEndAndNoSelectionGiveNoFrame) {
  constexpr std::uint16_t kNoSelection = 65535;  // -1 cut to 16 bits
  for (const auto& [category, lookup, length] : kLookups) {
    SCOPED_TRACE(category);
    for (const std::uint16_t selection :
         {static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(length + 1),
          std::uint16_t{255}, std::uint16_t{256}, std::uint16_t{32768}, kNoSelection}) {
      EXPECT_EQ(lookup(selection), kNoFrame) << selection;
      EXPECT_EQ(LookupFrame(category, selection), kNoFrame) << selection;
    }
  }
}

TEST(FrameLookup, ValuesOutsideTheCategoriesHaveNoTable) {
  for (const std::int32_t category :
       {-1, kItemCategoryCount, 100, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_TRUE(FrameTableOf(category).empty()) << category;
    EXPECT_EQ(ItemCountOf(category), 0u) << category;
    EXPECT_EQ(LookupFrame(category, 0), kNoFrame) << category;
  }
}

struct EdgeValues {
  Lookup lookup;
  const char* name;
  std::initializer_list<std::pair<std::uint16_t, FrameIndex>> values;  // selection, frame
};

TEST(FrameLookup, KnownEdgeValues) {
  const EdgeValues tables[] = {
      {GetWeaponFrame, "weapon", {{0, 0}, {3, 4}, {5, 3}, {8, 40}, {69, 84}, {76, 85}, {95, 102}}},
      {GetShieldFrame, "shield", {{0, 0}, {1, 2}, {3, 1}, {8, 6}, {16, 16}}},
      {GetArmorFrame, "armor", {{0, 0}, {7, 11}, {12, 31}, {29, 44}, {60, 60}}},
      // Entries that share a label yet give frames of their own.
      {GetArmorFrame, "armor", {{14, 14}, {48, 48}, {16, 13}, {49, 49}, {37, 27}, {38, 42}}},
      {GetShoesFrame, "shoes", {{0, 17}, {1, 0}, {14, 6}, {16, 7}, {17, 18}, {20, 20}}},
      {GetRingFrame,
       "ring",
       {{0, 13}, {1, 16}, {19, 74}, {43, 177}, {52, 195}, {53, 196}, {64, 207}}},
      {GetNecklaceFrame,
       "necklace",
       {{0, 34}, {18, 84}, {37, 178}, {45, 194}, {46, 208}, {53, 215}}},
      {GetSoulFrame, "soul", {{0, 154}, {22, 176}}},
  };
  for (const auto& [lookup, name, values] : tables) {
    for (const auto& [selection, frame] : values) {
      EXPECT_EQ(lookup(selection), frame) << name << " " << selection;
    }
  }
}

}  // namespace
}  // namespace vestara
