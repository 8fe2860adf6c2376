#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vestara {

enum ItemCategory : std::int32_t {
  Weapon = 0,
  Shield = 1,
  Armor = 2,
  Shoes = 3,
  Ring = 4,
  Necklace = 5,
  Soul = 6,
};

inline constexpr int kItemCategoryCount = 7;

// The command-line name: "weapon", "shield", "armor", "shoes", "ring", "necklace", "soul";
// empty for a value outside the seven categories.
std::string_view CategoryName(std::int32_t category);
// The category of an exact command-line name; nullopt for any other text.
std::optional<ItemCategory> CategoryFromName(std::string_view name);

}  // namespace vestara
