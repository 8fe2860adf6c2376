#include "catalogue/item_category.h"

#include <array>

namespace vestara {
namespace {

// Indexed by ItemCategory.
constexpr std::array<std::string_view, kItemCategoryCount> kCategoryNames{
    "weapon", "shield", "armor", "shoes", "ring", "necklace", "soul"};

bool IsCategory(std::int32_t category) { return category >= 0 && category < kItemCategoryCount; }

}  // namespace

std::string_view CategoryName(std::int32_t category) {
  return IsCategory(category) ? kCategoryNames[category] : std::string_view{};
}

std::optional<ItemCategory> CategoryFromName(std::string_view name) {
  for (int category = 0; category < kItemCategoryCount; ++category) {
    if (kCategoryNames[category] == name) return static_cast<ItemCategory>(category);
  }
  return std::nullopt;
}

}  // namespace vestara
