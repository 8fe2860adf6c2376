#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

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

struct EdgeValue {
  Lookup lookup;
  const char* name;
  std::uint16_t selection;
  FrameIndex frame;
};

TEST(FrameLookup, KnownEdgeValues) {
  const EdgeValue values[] = {
      {GetWeaponFrame, "weapon", 0, 0},        {GetWeaponFrame, "weapon", 3, 4},
      {GetWeaponFrame, "weapon", 5, 3},        {GetWeaponFrame, "weapon", 8, 40},
      {GetWeaponFrame, "weapon", 69, 84},      {GetWeaponFrame, "weapon", 76, 85},
      {GetWeaponFrame, "weapon", 95, 102},     {GetWeaponFrame, "weapon", 96, 255},
      {GetShieldFrame, "shield", 0, 0},        {GetShieldFrame, "shield", 1, 2},
      {GetShieldFrame, "shield", 3, 1},        {GetShieldFrame, "shield", 8, 6},
      {GetShieldFrame, "shield", 16, 16},      {GetShieldFrame, "shield", 17, 255},
      {GetArmorFrame, "armor", 0, 0},          {GetArmorFrame, "armor", 7, 11},
      {GetArmorFrame, "armor", 12, 31},        {GetArmorFrame, "armor", 29, 44},
      {GetArmorFrame, "armor", 60, 60},        {GetArmorFrame, "armor", 61, 255},
      {GetArmorFrame, "armor", 14, 14},        {GetArmorFrame, "armor", 48, 48},
      {GetArmorFrame, "armor", 37, 27},        {GetArmorFrame, "armor", 38, 42},
      {GetShoesFrame, "shoes", 0, 17},         {GetShoesFrame, "shoes", 1, 0},
      {GetShoesFrame, "shoes", 14, 6},         {GetShoesFrame, "shoes", 16, 7},
      {GetShoesFrame, "shoes", 17, 18},        {GetShoesFrame, "shoes", 20, 20},
      {GetShoesFrame, "shoes", 21, 255},       {GetRingFrame, "ring", 0, 13},
      {GetRingFrame, "ring", 1, 16},           {GetRingFrame, "ring", 19, 74},
      {GetRingFrame, "ring", 43, 177},         {GetRingFrame, "ring", 52, 195},
      {GetRingFrame, "ring", 53, 196},         {GetRingFrame, "ring", 64, 207},
      {GetRingFrame, "ring", 65, 255},         {GetNecklaceFrame, "necklace", 0, 34},
      {GetNecklaceFrame, "necklace", 18, 84},  {GetNecklaceFrame, "necklace", 37, 178},
      {GetNecklaceFrame, "necklace", 45, 194}, {GetNecklaceFrame, "necklace", 46, 208},
      {GetNecklaceFrame, "necklace", 53, 215}, {GetNecklaceFrame, "necklace", 54, 255},
      {GetSoulFrame, "soul", 0, 154},          {GetSoulFrame, "soul", 22, 176},
      {GetSoulFrame, "soul", 23, 255},
  };
  for (const auto& [lookup, name, selection, frame] : values) {
    EXPECT_EQ(lookup(selection), frame) << name << " " << selection;
  }
}

}  // namespace
}  // namespace vestara
