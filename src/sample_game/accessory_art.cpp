#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

enum class PendantShape { Drop, Medallion, Heart, Cross, Diamond };

constexpr std::array<Ramp, 4> kMetals{kGold, kSilver, kYellow, kOrange};
constexpr std::array<Ramp, 10> kGems{kRose,     kSky,     kGreen, kCyan, kPlum,
                                     kLavender, kScarlet, kMint,  kTeal, kLime};
constexpr std::array<Ramp, 9> kSoulGlows{kCyan,   kLavender, kPlum, kGreen, kRose,
                                         kYellow, kTeal,     kSky,  kMint};

// Shades a round gem lit from the top left, with a white glint.
void PaintGem(PixelArt& art, int left, int top, int size, Ramp gem) {
  const double centre = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - centre;
      const double dy = y + 0.5 - centre;
      if (dx * dx + dy * dy > centre * centre) continue;
      const double light = std::hypot(dx + centre * 0.4, dy + centre * 0.4) / size;
      art.Set(left + x, top + y, gem.Shade(static_cast<int>(light * 7)));
    }
  }
  art.Set(left + size / 3, top + size / 3, kWhite);
}

// A small four-pointed sparkle centred on (x, y).
void PaintSparkle(PixelArt& art, int x, int y, Ramp glow) {
  art.Set(x, y, kWhite);
  for (int step : {-1, 1}) {
    art.Set(x + step, y, glow.Shade(1));
    art.Set(x, y + step, glow.Shade(1));
  }
}

bool InPendant(PendantShape shape, double u, double v) {
  switch (shape) {
    case PendantShape::Drop:
      return v > 0.35 ? u * u + (v - 0.65) * (v - 0.65) < 0.09
                      : std::abs(u) < (v - 0.05) / 0.3 * 0.28;
    case PendantShape::Medallion:
      return u * u + (v - 0.5) * (v - 0.5) < 0.2;
    case PendantShape::Heart: {
      const double lobe = std::min(std::pow(u - 0.2, 2), std::pow(u + 0.2, 2));
      return (v < 0.45 && lobe + std::pow(v - 0.32, 2) < 0.05) ||
             (v >= 0.32 && std::abs(u) < 0.43 * (1 - (v - 0.32) / 0.6));
    }
    case PendantShape::Cross:
      return (std::abs(u) < 0.12 && v > 0.05 && v < 0.95) ||
             (std::abs(v - 0.35) < 0.1 && std::abs(u) < 0.4);
    case PendantShape::Diamond:
      return std::abs(u) / 0.42 + std::abs(v - 0.5) / 0.45 < 1;
  }
  return false;
}

}  // namespace

PixelArt DrawRing(int frame) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 5);
  const Ramp metal = Pick(kMetals, seed >> 2);
  const int size = 18 + static_cast<int>((seed >> 5) % 7) * 3;
  const bool sparkles = (seed >> 9) % 3 == 0;
  const int gem = (seed >> 11) % 5 == 0 ? 0 : size / 3 + 2;  // some bands carry no stone
  // A sparkle above, apart from the ring, leaves empty rows in between.
  const int top = sparkles ? 5 : 0;
  PixelArt art(size + 2, size + 2 + top);
  const int bandTop = top + 1 + gem / 2;
  const int bandSize = size - gem / 2;
  const int thickness = std::max(2, size / 7);
  art.FillEllipse(1 + gem / 4, bandTop, size - gem / 2, bandSize, metal.Shade(2));
  // Cut the hole out of the disc and shade the band's lower half darker.
  for (int y = 0; y < art.Height(); ++y) {
    for (int x = 0; x < art.Width(); ++x) {
      const double dx = (x + 0.5 - (art.Width() / 2.0)) / (bandSize / 2.0 - thickness);
      const double dy = (y + 0.5 - (bandTop + bandSize / 2.0)) / (bandSize / 2.0 - thickness);
      if (dx * dx + dy * dy < 1) {
        art.Erase(x, y);
      } else if (art.Drawn(x, y) && y > bandTop + bandSize / 2) {
        art.Set(x, y, metal.Shade(4 + (x * 2 > art.Width() ? 1 : 0)));
      }
    }
  }
  if (gem > 0) PaintGem(art, (art.Width() - gem) / 2, top + 1, gem, Pick(kGems, seed >> 14));
  art.Outline(kBlack);
  if (sparkles) PaintSparkle(art, art.Width() - 3, 1, metal);
  return art;
}

PixelArt DrawNecklace(int frame) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 6);
  const Ramp chain = Pick(kMetals, seed >> 2);
  const auto shape = static_cast<PendantShape>((seed >> 5) % 5);
  const Ramp stone = Pick(kGems, seed >> 8);
  const int width = 28 + static_cast<int>((seed >> 12) % 8) * 4;
  const int height = width + width / 3;
  PixelArt art(width, height);
  // The chain hangs as the lower half of an ellipse, one bead every few pixels.
  const double rx = width / 2.0 - 2;
  const double ry = height * 0.55;
  for (int bead = 0; bead <= 40; ++bead) {
    const double angle = std::numbers::pi * bead / 40;
    const int x = static_cast<int>(width / 2.0 - rx * std::cos(angle));
    const int y = static_cast<int>(1 + ry * std::sin(angle));
    art.FillRect(x, y, 2, 2, chain.Shade(bead % 2 == 0 ? 1 : 4));
  }
  const int pendant = width / 2;
  const int pendantTop = static_cast<int>(ry) + 1;
  for (int y = 0; y < height - pendantTop - 1; ++y) {
    for (int x = 0; x < pendant; ++x) {
      const double u = (x + 0.5) / pendant - 0.5;
      const double v = (y + 0.5) / (height - pendantTop - 1);
      if (!InPendant(shape, u, v)) continue;
      const int light = static_cast<int>((u + v) * 5) + 2;
      art.Set((width - pendant) / 2 + x, pendantTop + y, stone.Shade(light));
    }
  }
  art.Outline(kBlack);
  return art;
}

PixelArt DrawSoul(int frame) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 7);
  const Ramp glow = Pick(kSoulGlows, seed >> 2);
  const int size = 24 + static_cast<int>((seed >> 6) % 6) * 8;
  // Wisps rise above the orb, apart from it: the rows between them stay empty.
  const int wisps = 8;
  PixelArt art(size, size + wisps);
  const double centre = size / 2.0;
  const double orb = size * 0.32;
  const double halo = size * 0.45;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - centre;
      const double dy = y + 0.5 - centre;
      const double distance = std::hypot(dx, dy);
      if (distance <= orb) {
        const double light = std::hypot(dx + orb * 0.35, dy + orb * 0.35) / (orb * 1.35);
        art.Set(x, wisps + y, light < 0.15 ? kWhite : glow.Shade(static_cast<int>(light * 7)));
      } else if (std::abs(distance - halo) < 0.8) {
        // A dotted halo.
        const double angle = std::atan2(dy, dx);
        if (static_cast<int>((angle + std::numbers::pi) * 6) % 2 == 0)
          art.Set(x, wisps + y, glow.Shade(2));
      }
    }
  }
  PaintSparkle(art, size / 3, 1, glow);
  PaintSparkle(art, size * 2 / 3, 4, glow);
  return art;
}

}  // namespace vestara
