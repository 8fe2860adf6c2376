#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/item_category.h"

namespace vestara {

inline constexpr int kArmorColorCount = 5;
inline constexpr int kShoesColorCount = 7;
// Armor and shoes come for gender 0 (male) and 1 (female).
inline constexpr int kGenderCount = 2;

// The fixed archive name of weapon, shield, ring, necklace and soul ("Weapon.spr.NCS", ...);
// empty for armor, shoes and values outside the categories.
std::string_view FixedArchiveName(std::int32_t category);
// "Armor%03X.spr.NCS" / "Shoes%03X.spr.NCS" of (low byte of gender) << 8 | colour, cut to 16 bits.
std::string ArmorArchiveName(std::int32_t gender, std::int32_t color);
std::string ShoesArchiveName(std::int32_t gender, std::int32_t color);

// The colours a category's items come in: kArmorColorCount, kShoesColorCount, or 0 for a
// category whose items have one archive.
int ColorCountOf(std::int32_t category);
// The archive of a category's items in a gender and colour: ArmorArchiveName or
// ShoesArchiveName, or FixedArchiveName for the other categories (which take neither).
std::string ArchiveNameOf(std::int32_t category, std::int32_t gender, std::int32_t color);

}  // namespace vestara
