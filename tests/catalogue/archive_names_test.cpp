#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "catalogue/archive_names.h"

namespace vestara {
namespace {

TEST(ArchiveNames, FixedNamesPerCategory) {
  EXPECT_EQ(FixedArchiveName(Weapon), "Weapon.spr.NCS");
  EXPECT_EQ(FixedArchiveName(Shield), "Shields.spr.NCS");
  EXPECT_EQ(FixedArchiveName(Ring), "eitem.spr.NCS");
  EXPECT_EQ(FixedArchiveName(Necklace), "eitem.spr.NCS");
  EXPECT_EQ(FixedArchiveName(Soul), "eitem.spr.NCS");
  for (const std::int32_t category : {std::int32_t{Armor}, std::int32_t{Shoes}, -1, 7}) {
    EXPECT_TRUE(FixedArchiveName(category).empty()) << category;
  }
}

struct VariantCase {
  std::int32_t gender;
  std::int32_t colour;
  const char* armor;
  const char* shoes;
};

TEST(ArchiveNames, GenderInTheHighByteColourInTheLow) {
  const VariantCase cases[] = {
      {0, 0, "Armor000.spr.NCS", "Shoes000.spr.NCS"},
      {0, 2, "Armor002.spr.NCS", "Shoes002.spr.NCS"},
      {1, 2, "Armor102.spr.NCS", "Shoes102.spr.NCS"},
      {1, 4, "Armor104.spr.NCS", "Shoes104.spr.NCS"},
      {1, 6, "Armor106.spr.NCS", "Shoes106.spr.NCS"},
      // Only the gender's low byte counts.
      {0x101, 3, "Armor103.spr.NCS", "Shoes103.spr.NCS"},
      // Upper-case hex, at least three digits.
      {0, 0x1A, "Armor01A.spr.NCS", "Shoes01A.spr.NCS"},
      {0xAB, 0, "ArmorAB00.spr.NCS", "ShoesAB00.spr.NCS"},
      // OR, then cut to 16 bits.
      {1, 0x1FF, "Armor1FF.spr.NCS", "Shoes1FF.spr.NCS"},
      {0, 0x12345, "Armor2345.spr.NCS", "Shoes2345.spr.NCS"},
      {0, -1, "ArmorFFFF.spr.NCS", "ShoesFFFF.spr.NCS"},
      {-1, 0, "ArmorFF00.spr.NCS", "ShoesFF00.spr.NCS"},
  };
  for (const auto& [gender, colour, armor, shoes] : cases) {
    EXPECT_EQ(ArmorArchiveName(gender, colour), armor) << gender << " " << colour;
    EXPECT_EQ(ShoesArchiveName(gender, colour), shoes) << gender << " " << colour;
  }
}

TEST(ArchiveNames, TenArmorAndFourteenShoesArchives) {
  std::set<std::string> armor;
  std::set<std::string> shoes;
  for (int gender = 0; gender < 2; ++gender) {
    for (int colour = 0; colour < kArmorColourCount; ++colour) {
      armor.insert(ArmorArchiveName(gender, colour));
    }
    for (int colour = 0; colour < kShoesColourCount; ++colour) {
      shoes.insert(ShoesArchiveName(gender, colour));
    }
  }
  EXPECT_EQ(armor.size(), 10u);
  EXPECT_EQ(shoes.size(), 14u);
  EXPECT_EQ(*armor.rbegin(), "Armor104.spr.NCS");
  EXPECT_EQ(*shoes.rbegin(), "Shoes106.spr.NCS");
}

}  // namespace
}  // namespace vestara
