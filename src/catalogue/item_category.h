#pragma once

#include <cstdint>

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

}  // namespace vestara
