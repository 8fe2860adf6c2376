#include <array>
#include <cmath>
#include <cstdint>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

enum class Fitting { None, Cuff, Laces, Buckle };

// A boot seen from the side, toes to the right; all measures are shares of the picture.
struct BootCut {
  double shaftLeft, shaftRight, shaftTop;  // the leg part
  double footTop, footBottom;              // the foot part, from the heel to the toe
  bool pointedToe;
  bool heel;  // a separate heel under the back with a gap before the toe
};

BootCut CutFor(bool female, double shaftTop) {
  if (female) return {0.2, 0.46, shaftTop, 0.62, 0.84, true, true};
  return {0.08, 0.5, shaftTop, 0.56, 0.86, false, false};
}

bool InUpper(const BootCut& cut, double u, double v) {
  if (u >= cut.shaftLeft && u <= cut.shaftRight && v >= cut.shaftTop && v <= cut.footBottom) {
    return true;
  }
  if (v < cut.footTop || v > cut.footBottom || u < cut.shaftLeft) return false;
  const double toeStart = 0.72;
  if (u <= toeStart) return true;
  const double along = (u - toeStart) / (0.97 - toeStart);
  if (along > 1) return false;
  if (cut.pointedToe) {
    // The top of the foot slopes down to a point at the sole.
    return v >= cut.footTop + (cut.footBottom - cut.footTop) * along;
  }
  const double middle = (cut.footTop + cut.footBottom) / 2;
  const double half = (cut.footBottom - cut.footTop) / 2;
  return v >= middle - half * std::sqrt(1 - along * along) || v >= middle;
}

bool InSole(const BootCut& cut, double u, double v) {
  if (cut.heel) {
    const bool underHeel = u >= cut.shaftLeft && u <= cut.shaftLeft + 0.13 && v > 0.84;
    const bool underToe = u >= 0.6 && u <= 0.95 && v > 0.84 && v < 0.9;
    return underHeel || underToe;
  }
  return u >= 0.06 && u <= 0.97 && v > 0.86;
}

bool InFitting(Fitting fitting, const BootCut& cut, double u, double v, int x, int y) {
  switch (fitting) {
    case Fitting::None:
      return false;
    case Fitting::Cuff:
      return v >= cut.shaftTop && v < cut.shaftTop + 0.08;
    case Fitting::Laces:
      return u > cut.shaftRight - 0.1 && u < cut.shaftRight && y % 4 == 0 && x % 2 == 0 &&
             v < cut.footTop + 0.05;
    case Fitting::Buckle:
      return u > cut.shaftLeft + 0.05 && u < cut.shaftRight - 0.05 &&
             std::abs(v - (cut.footTop - 0.04)) < 0.035;
  }
  return false;
}

constexpr std::array<Ramp, 7> kColorRamps{kBrown, kIron, kRose, kSky, kGreen, kSand, kPlum};
constexpr std::array<Ramp, 4> kFittings{kGold, kSilver, kYellow, kKhaki};
constexpr std::array<Ramp, 3> kSoles{kBark, kIron, kTaupe};

}  // namespace

PixelArt DrawShoes(int frame, int gender, int color) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 4);
  const Ramp leather = kColorRamps[static_cast<std::size_t>(color) % kColorRamps.size()];
  const Ramp metal = Pick(kFittings, seed >> 3);
  const Ramp sole = Pick(kSoles, seed >> 6);
  const auto fitting = static_cast<Fitting>((seed >> 9) % 4);
  // From low shoes to knee boots.
  const double shaftTop = 0.05 + static_cast<double>((seed >> 12) % 4) * 0.13;
  const BootCut cut = CutFor(gender == 1, shaftTop);
  const int width = 30 + static_cast<int>((seed >> 16) % 7) * 6;
  const int height = static_cast<int>(width * (1.25 - shaftTop * 0.7));

  PixelArt art(width, height);
  // One pixel all round stays free for the outline.
  for (int y = 1; y < height - 1; ++y) {
    for (int x = 1; x < width - 1; ++x) {
      const double u = (x - 0.5) / (width - 2);
      const double v = (y - 0.5) / (height - 2);
      const int light = static_cast<int>(u * 1.5 + v * 3) + 1;
      if (InSole(cut, u, v)) {
        art.Set(x, y, sole.Shade(4));
      } else if (InUpper(cut, u, v)) {
        const bool fitted = InFitting(fitting, cut, u, v, x, y);
        art.Set(x, y, fitted ? metal.Shade(light) : leather.Shade(light));
      }
    }
  }
  art.Outline(kBlack);
  return art;
}

}  // namespace vestara
