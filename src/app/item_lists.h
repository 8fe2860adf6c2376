#pragma once

#include <cstdint>
#include <optional>

#include "app/control_ids.h"

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

}  // namespace vestara
