#pragma once

#include <cstdint>
#include <optional>

#include "app/control_ids.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"

namespace vestara {

// The item list that holds a category's items; nullopt for a value outside the seven
// categories.
constexpr std::optional<ControlId> ItemListOf(std::int32_t category) {
  constexpr ControlId kItemLists[] = {kWeaponCombo, kShieldCombo,   kArmorCombo, kShoesCombo,
                                      kRingCombo,   kNecklaceCombo, kSoulCombo};
  if (category < 0 || category >= static_cast<std::int32_t>(std::size(kItemLists))) {
    return std::nullopt;
  }
  return kItemLists[category];
}

// The category whose items a list holds; nullopt for a list of no category.
constexpr std::optional<ItemCategory> CategoryOfList(ControlId list) {
  for (std::int32_t category = 0; category < kItemCategoryCount; ++category) {
    if (ItemListOf(category) == list) return static_cast<ItemCategory>(category);
  }
  return std::nullopt;
}

// The frame of a list's selection in a category; no selection (-1) becomes 65535, which no
// table holds, so it gives kNoFrame.
inline FrameIndex FrameOfSelection(std::int32_t category, int selection) {
  return LookupFrame(category, static_cast<std::uint16_t>(selection));
}

}  // namespace vestara
