#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

enum class WeaponKind { Sword, Dagger, Axe, Spear, Mace, Staff };
enum class Axis { Diagonal, Horizontal, Vertical };

struct WeaponLook {
  WeaponKind kind;
  Ramp head;     // blade, axe head, spear tip, mace head, staff orb
  Ramp grip;     // handle or shaft
  Ramp fitting;  // guard and pommel
};

// Shade of a point `across` pixels off the axis of a part `halfWidth` wide: the left
// side catches the light.
std::uint8_t ShadeAcross(Ramp ramp, double across, double halfWidth) {
  const double side = halfWidth > 0 ? across / halfWidth : 0;
  return ramp.Shade(static_cast<int>(std::lround((side + 1) * 3)) + 1);
}

// Whether a point lies in a part from `start` to `end` along the axis whose half width
// goes linearly from `from` to `to`; on success the shade.
std::optional<std::uint8_t> Taper(Ramp ramp, double along, double across, double start, double end,
                                  double from, double to) {
  if (along < start || along > end) return std::nullopt;
  const double halfWidth = from + (to - from) * (along - start) / (end - start);
  if (std::abs(across) > halfWidth) return std::nullopt;
  return ShadeAcross(ramp, across, halfWidth);
}

// The weapon at a point; `along` runs from 0 at the grip's end to 1 at the tip,
// `across` is in pixels and `size` the weapon's length in pixels.
std::optional<std::uint8_t> WeaponAt(const WeaponLook& look, double along, double across,
                                     double size) {
  const double pole = std::max(1.2, size / 60);
  switch (look.kind) {
    case WeaponKind::Sword:
    case WeaponKind::Dagger: {
      const double guardAt = look.kind == WeaponKind::Sword ? 0.26 : 0.38;
      const double blade = std::max(1.6, size / (look.kind == WeaponKind::Sword ? 22 : 14));
      if (auto p = Taper(look.fitting, along, across, 0.02, 0.07, pole + 1.5, pole + 1.5)) return p;
      if (auto p = Taper(look.grip, along, across, 0.07, guardAt, pole, pole)) return p;
      if (auto p = Taper(look.fitting, along, across, guardAt, guardAt + 0.04, size * 0.13,
                         size * 0.11)) {
        return p;
      }
      if (std::abs(across) < 0.6 && along > guardAt + 0.04 && along < 0.86) {
        return look.head.Shade(0);  // the ridge
      }
      if (auto p = Taper(look.head, along, across, guardAt + 0.04, 0.86, blade, blade)) return p;
      return Taper(look.head, along, across, 0.86, 0.98, blade, 0.3);
    }
    case WeaponKind::Axe: {
      if (along > 0.62 && along < 0.88 && across < 0 && across > -size * 0.24) {
        // A crescent: deepest in the middle of the head, curved on its cutting edge.
        const double middle = std::sin(std::numbers::pi * (along - 0.62) / 0.26);
        if (-across < size * 0.24 * std::sqrt(middle)) {
          return look.head.Shade(static_cast<int>(-across / (size * 0.24) * 6) + 1);
        }
      }
      return Taper(look.grip, along, across, 0.02, 0.96, pole, pole);
    }
    case WeaponKind::Spear: {
      if (along > 0.74 && along < 0.98) {
        const double leaf =
            std::sin(std::numbers::pi * (along - 0.74) / 0.24) * std::max(2.5, size / 18);
        if (std::abs(across) <= leaf) return ShadeAcross(look.head, across, leaf);
      }
      if (auto p = Taper(look.fitting, along, across, 0.70, 0.74, pole + 1.2, pole + 1.2)) return p;
      return Taper(look.grip, along, across, 0.02, 0.74, pole * 0.8, pole * 0.8);
    }
    case WeaponKind::Mace: {
      const double radius = size * 0.12;
      const double dx = (along - 0.82) * size;
      const double distance = std::hypot(dx, across);
      if (distance <= radius) return look.head.Shade(static_cast<int>(distance / radius * 5) + 1);
      // Four spikes stand out of the head.
      if (distance <= radius * 1.5 && (std::abs(dx) < 1.2 || std::abs(across) < 1.2)) {
        return look.fitting.Shade(2);
      }
      return Taper(look.grip, along, across, 0.02, 0.75, pole, pole);
    }
    case WeaponKind::Staff: {
      const double radius = std::max(3.0, size * 0.09);
      const double distance = std::hypot((along - 0.88) * size, across);
      if (distance <= radius) {
        return distance < radius * 0.35 ? kWhite
                                        : look.head.Shade(static_cast<int>(distance / radius * 6));
      }
      if (auto p = Taper(look.fitting, along, across, 0.78, 0.88, pole * 2.2, pole * 1.2)) return p;
      return Taper(look.grip, along, across, 0.02, 0.80, pole * 1.2, pole * 1.2);
    }
  }
  return std::nullopt;
}

// Paints the weapon over the whole picture along the chosen axis.
void PaintWeapon(PixelArt& art, const WeaponLook& look, Axis axis) {
  const double width = art.Width();
  const double height = art.Height();
  for (int y = 0; y < art.Height(); ++y) {
    for (int x = 0; x < art.Width(); ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      double along = 0;
      double across = 0;
      double length = 0;
      switch (axis) {
        case Axis::Diagonal:
          length = width * std::sqrt(2.0);
          along = (px + (height - py)) / std::sqrt(2.0);
          across = (px - (height - py)) / std::sqrt(2.0);
          break;
        case Axis::Horizontal:
          length = width;
          along = px;
          across = py - height / 2;
          break;
        case Axis::Vertical:
          length = height;
          along = height - py;
          across = px - width / 2;
          break;
      }
      // A small margin at both ends keeps wide parts near the corners inside the picture.
      const double fraction = (along / length - 0.04) / 0.92;
      if (auto index = WeaponAt(look, fraction, across, length)) art.Set(x, y, *index);
    }
  }
  art.Outline(kBlack);
}

constexpr std::array<Ramp, 8> kHeads{kSilver, kSage, kMint, kCyan, kLavender, kGold, kRose, kIron};
constexpr std::array<Ramp, 7> kGrips{kBrown, kBark, kTaupe, kKhaki, kMauve, kTan, kSkin};
constexpr std::array<Ramp, 6> kFittings{kGold, kYellow, kOrange, kOlive, kIron, kScarlet};

// The last three weapons test the edges of the viewer: wider than its source rectangle,
// taller than it, and larger in both directions.
constexpr int kWideLance = 100;
constexpr int kTallStaff = 101;
constexpr int kGiantSword = 102;

}  // namespace

PixelArt DrawWeapon(int frame) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 1);
  WeaponLook look{static_cast<WeaponKind>(seed % 6), Pick(kHeads, seed >> 4),
                  Pick(kGrips, seed >> 8), Pick(kFittings, seed >> 12)};
  if (frame == kWideLance) {
    PixelArt art(460, 26);
    look.kind = WeaponKind::Spear;
    PaintWeapon(art, look, Axis::Horizontal);
    return art;
  }
  if (frame == kTallStaff) {
    PixelArt art(30, 380);
    look.kind = WeaponKind::Staff;
    PaintWeapon(art, look, Axis::Vertical);
    return art;
  }
  if (frame == kGiantSword) {
    PixelArt art(420, 420);
    look.kind = WeaponKind::Sword;
    PaintWeapon(art, look, Axis::Diagonal);
    return art;
  }
  const int size = look.kind == WeaponKind::Dagger ? 22 + static_cast<int>(seed >> 16) % 4 * 6
                                                   : 34 + static_cast<int>(seed >> 16) % 9 * 8;
  PixelArt art(size, size);
  PaintWeapon(art, look, Axis::Diagonal);
  return art;
}

}  // namespace vestara
