#include "catalogue/archive_names.h"

#include <cstdio>

namespace vestara {
namespace {

// The gender's low byte in bits 8..15 OR the colour code, kept to 16 bits, as at least
// three upper-case hex digits.
std::string VariantArchiveName(const char* pattern, std::int32_t gender, std::int32_t color) {
  const unsigned code =
      (((static_cast<std::uint32_t>(gender) & 0xFFu) << 8) | static_cast<std::uint32_t>(color)) &
      0xFFFFu;
  char name[32] = {};
  std::snprintf(name, sizeof name, pattern, code);
  return name;
}

}  // namespace

std::string_view FixedArchiveName(std::int32_t category) {
  switch (category) {
    case Weapon:
      return "Weapon.spr.NCS";
    case Shield:
      return "Shields.spr.NCS";
    case Ring:
    case Necklace:
    case Soul:
      return "eitem.spr.NCS";
    default:
      return {};
  }
}

std::string ArmorArchiveName(std::int32_t gender, std::int32_t color) {
  return VariantArchiveName("Armor%03X.spr.NCS", gender, color);
}

std::string ShoesArchiveName(std::int32_t gender, std::int32_t color) {
  return VariantArchiveName("Shoes%03X.spr.NCS", gender, color);
}

int ColorCountOf(std::int32_t category) {
  return category == Armor ? kArmorColorCount : category == Shoes ? kShoesColorCount : 0;
}

std::string ArchiveNameOf(std::int32_t category, std::int32_t gender, std::int32_t color) {
  if (category == Armor) return ArmorArchiveName(gender, color);
  if (category == Shoes) return ShoesArchiveName(gender, color);
  return std::string(FixedArchiveName(category));
}

}  // namespace vestara
