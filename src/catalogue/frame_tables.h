#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/item_category.h"

namespace vestara {

using FrameIndex = std::uint16_t;
inline constexpr FrameIndex kNoFrame = 255;

struct FrameTableEntry {
  std::uint8_t frame;
  std::string_view label;
};

// One entry per item list position, in list order; no entry holds kNoFrame.
extern const std::array<FrameTableEntry, 96> WeaponFrameTable;
extern const std::array<FrameTableEntry, 17> ShieldFrameTable;
extern const std::array<FrameTableEntry, 61> ArmorFrameTable;
extern const std::array<FrameTableEntry, 21> ShoesFrameTable;
extern const std::array<FrameTableEntry, 65> RingFrameTable;
extern const std::array<FrameTableEntry, 54> NecklaceFrameTable;
extern const std::array<FrameTableEntry, 23> SoulFrameTable;

// Lookups by list position: past the end (including 65535, "no selection") gives kNoFrame.
FrameIndex GetWeaponFrame(std::uint16_t selection);
FrameIndex GetShieldFrame(std::uint16_t selection);
FrameIndex GetArmorFrame(std::uint16_t selection);
FrameIndex GetShoesFrame(std::uint16_t selection);
FrameIndex GetRingFrame(std::uint16_t selection);
FrameIndex GetNecklaceFrame(std::uint16_t selection);
FrameIndex GetSoulFrame(std::uint16_t selection);

// The table of a category (its entries are the item list's labels, in order);
// empty for a value outside the seven categories.
std::span<const FrameTableEntry> FrameTableOf(std::int32_t category);
// The number of items in a category's list; 0 for a value outside the seven categories.
std::size_t ItemCountOf(std::int32_t category);
// The lookup of a category; kNoFrame for a value outside the seven categories.
FrameIndex LookupFrame(std::int32_t category, std::uint16_t selection);

}  // namespace vestara
