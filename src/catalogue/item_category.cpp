#include "catalogue/item_category.h"

#include <array>

namespace vestara {
namespace {

struct CategoryNames {
  std::string_view name;
  std::string_view caption;
};

// Indexed by ItemCategory.
constexpr std::array<CategoryNames, kItemCategoryCount> kCategoryNames{{
    {"weapon", "武器"},
    {"shield", "盾"},
    {"armor", "鎧・服"},
    {"shoes", "靴"},
    {"ring", "指輪"},
    {"necklace", "ネクレ"},
    {"soul", "魂"},
}};

bool IsCategory(std::int32_t category) { return category >= 0 && category < kItemCategoryCount; }

}  // namespace

std::string_view CategoryName(std::int32_t category) {
  return IsCategory(category) ? kCategoryNames[category].name : std::string_view{};
}

std::optional<ItemCategory> CategoryFromName(std::string_view name) {
  for (int category = 0; category < kItemCategoryCount; ++category) {
    if (kCategoryNames[category].name == name) return static_cast<ItemCategory>(category);
  }
  return std::nullopt;
}

std::string_view CategoryCaption(std::int32_t category) {
  return IsCategory(category) ? kCategoryNames[category].caption : std::string_view{};
}

}  // namespace vestara
