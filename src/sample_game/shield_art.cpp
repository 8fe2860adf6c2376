#include <array>
#include <cmath>
#include <cstdint>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

enum class ShieldShape { Round, Heater, Kite, Tower };
enum class Emblem { None, Cross, Band, Chevron, Diagonal, Boss };

// Whether a point lies on the shield; u runs from -1 (left edge) to 1, v from 0 (top) to 1.
bool InsideShape(ShieldShape shape, double u, double v) {
  const double side = std::abs(u);
  if (v < 0 || v > 1 || side > 1) return false;
  switch (shape) {
    case ShieldShape::Round:
      return u * u + (2 * v - 1) * (2 * v - 1) <= 1;
    case ShieldShape::Heater:
      return v < 0.5 || side <= 1 - std::pow((v - 0.5) / 0.5, 1.6);
    case ShieldShape::Kite:
      if (v < 0.3) return side <= std::sqrt(1 - std::pow((0.3 - v) / 0.3, 2));
      return side <= 1 - std::pow((v - 0.3) / 0.7, 1.3);
    case ShieldShape::Tower:
      return v >= 0.08 || side <= std::sqrt(1 - std::pow((0.08 - v) / 0.08, 2)) * 0.3 + 0.7;
  }
  return false;
}

bool InsideEmblem(Emblem emblem, double u, double v, double thickness) {
  switch (emblem) {
    case Emblem::None:
      return false;
    case Emblem::Cross:
      return std::abs(u) < thickness || std::abs(v - 0.42) < thickness / 2;
    case Emblem::Band:
      return std::abs(v - 0.45) < thickness;
    case Emblem::Chevron:
      return std::abs(v - (0.3 + std::abs(u) * -0.25 + 0.25)) < thickness / 2;
    case Emblem::Diagonal:
      return std::abs(u - (2 * v - 1)) < thickness * 1.5;
    case Emblem::Boss:
      return u * u + std::pow(2 * v - 0.9, 2) < thickness * thickness * 4;
  }
  return false;
}

constexpr std::array<Ramp, 11> kFaces{kRose,  kSky,   kGreen,   kOrange,   kPlum,  kTeal,
                                      kKhaki, kBrown, kScarlet, kLavender, kForest};
constexpr std::array<Ramp, 5> kRims{kSilver, kGold, kIron, kSage, kYellow};
constexpr std::array<Ramp, 6> kEmblems{kYellow, kSilver, kRose, kSky, kMint, kGold};

}  // namespace

PixelArt DrawShield(int frame) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 2);
  const auto shape = static_cast<ShieldShape>(seed % 4);
  const auto emblem = static_cast<Emblem>((seed >> 3) % 6);
  const Ramp face = Pick(kFaces, seed >> 6);
  const Ramp rim = Pick(kRims, seed >> 10);
  const Ramp mark = Pick(kEmblems, seed >> 13);
  const int width = 26 + static_cast<int>((seed >> 16) % 12) * 4;
  const double heights[] = {1.0, 1.2, 1.5, 1.4};
  const int height = static_cast<int>(width * heights[static_cast<int>(shape)]);

  PixelArt art(width, height);
  const double rimWidth = std::max(2.0, width / 14.0);
  // One pixel all round stays free for the outline.
  const auto inside = [&](double x, double y) {
    return InsideShape(shape, (x - 1) / (width - 2) * 2 - 1, (y - 1) / (height - 2));
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      if (!inside(px, py)) continue;
      const bool onRim = !inside(px - rimWidth, py) || !inside(px + rimWidth, py) ||
                         !inside(px, py - rimWidth) || !inside(px, py + rimWidth);
      const double u = (px - 1) / (width - 2) * 2 - 1;
      const double v = (py - 1) / (height - 2);
      // Light falls from the top left.
      const int light = static_cast<int>((u + v * 2) * 1.5) + 2;
      if (onRim) {
        art.Set(x, y, rim.Shade(light));
      } else if (InsideEmblem(emblem, u, v, 0.12)) {
        art.Set(x, y, mark.Shade(light - 1));
      } else {
        art.Set(x, y, face.Shade(light));
      }
    }
  }
  art.Outline(kBlack);
  return art;
}

}  // namespace vestara
