#include "catalogue/frame_tables.h"

namespace vestara {
namespace {

// The lookup goes by position alone; labels are never read.
FrameIndex FrameAt(std::span<const FrameTableEntry> table, std::uint16_t selection) {
  return selection < table.size() ? FrameIndex{table[selection].frame} : kNoFrame;
}

}  // namespace

FrameIndex GetWeaponFrame(std::uint16_t selection) { return FrameAt(WeaponFrameTable, selection); }
FrameIndex GetShieldFrame(std::uint16_t selection) { return FrameAt(ShieldFrameTable, selection); }
FrameIndex GetArmorFrame(std::uint16_t selection) { return FrameAt(ArmorFrameTable, selection); }
FrameIndex GetShoesFrame(std::uint16_t selection) { return FrameAt(ShoesFrameTable, selection); }
FrameIndex GetRingFrame(std::uint16_t selection) { return FrameAt(RingFrameTable, selection); }
FrameIndex GetNecklaceFrame(std::uint16_t selection) {
  return FrameAt(NecklaceFrameTable, selection);
}
FrameIndex GetSoulFrame(std::uint16_t selection) { return FrameAt(SoulFrameTable, selection); }

std::span<const FrameTableEntry> FrameTableOf(std::int32_t category) {
  switch (category) {
    case Weapon:
      return WeaponFrameTable;
    case Shield:
      return ShieldFrameTable;
    case Armor:
      return ArmorFrameTable;
    case Shoes:
      return ShoesFrameTable;
    case Ring:
      return RingFrameTable;
    case Necklace:
      return NecklaceFrameTable;
    case Soul:
      return SoulFrameTable;
    default:
      return {};
  }
}

std::size_t ItemCountOf(std::int32_t category) { return FrameTableOf(category).size(); }

FrameIndex LookupFrame(std::int32_t category, std::uint16_t selection) {
  // In category order.
  constexpr FrameIndex (*kLookups[])(std::uint16_t) = {
      GetWeaponFrame, GetShieldFrame,   GetArmorFrame, GetShoesFrame,
      GetRingFrame,   GetNecklaceFrame, GetSoulFrame};
  if (category < 0 || category >= kItemCategoryCount) return kNoFrame;
  return kLookups[category](selection);
}

}  // namespace vestara
