#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

enum class Pattern { Plain, Stripes, Bands, Plates, Checks };

struct TunicCut {
  bool female;
  double sleeveLength;  // how far the sleeves reach past the shoulder, in half widths
};

double Lerp(double from, double to, double t) { return from + (to - from) * t; }

// Half the body's width at height v (0 at the top, 1 at the hem), as a share of the
// picture's half width: straight for men, waisted with a flared skirt for women.
double BodyHalfWidth(const TunicCut& cut, double v) {
  if (!cut.female) return Lerp(0.6, 0.56, v);
  if (v < 0.2) return 0.48;
  if (v < 0.45) return Lerp(0.48, 0.32, (v - 0.2) / 0.25);
  return Lerp(0.32, 0.94, (v - 0.45) / 0.55);
}

bool InNeckOpening(const TunicCut& cut, double side, double v) {
  if (cut.female) return v < 0.22 && side < 0.22 * (1 - v / 0.22);  // a V neckline
  return side * side / 0.04 + v * v / 0.006 < 1;                    // a round one
}

bool InSleeve(const TunicCut& cut, double side, double v, double shoulder) {
  if (side < shoulder || side > shoulder + cut.sleeveLength) return false;
  const double top = 0.03 + (side - shoulder) * 0.55;
  const double thickness = cut.female ? 0.12 : 0.17;
  return v >= top && v <= top + thickness;
}

bool InPattern(Pattern pattern, double side, double v, int x, int y) {
  switch (pattern) {
    case Pattern::Plain:
      return false;
    case Pattern::Stripes:
      return x / 3 % 3 == 0;
    case Pattern::Bands:
      return std::fmod(v, 0.2) < 0.05;
    case Pattern::Plates:
      return v > 0.12 && v < 0.5 && side < 0.45 && y % 6 != 0 && (side > 0.05);
    case Pattern::Checks:
      return (x / 4 + y / 4) % 2 == 0;
  }
  return false;
}

constexpr std::array<Ramp, 5> kColorRamps{kRose, kSky, kGreen, kOrange, kLavender};
constexpr std::array<Ramp, 6> kTrims{kGold, kSilver, kIron, kBrown, kSand, kYellow};
constexpr std::array<Ramp, 4> kPatternRamps{kSilver, kKhaki, kTaupe, kIron};

}  // namespace

PixelArt DrawArmor(int frame, int gender, int color) {
  const std::uint32_t seed = Scramble(static_cast<std::uint32_t>(frame), 3);
  const Ramp cloth = kColorRamps[static_cast<std::size_t>(color) % kColorRamps.size()];
  const Ramp trim = Pick(kTrims, seed >> 3);
  const Ramp patternRamp = Pick(kPatternRamps, seed >> 6);
  const auto pattern = static_cast<Pattern>((seed >> 9) % 5);
  const TunicCut cut{gender == 1, 0.18 + static_cast<double>((seed >> 12) % 4) * 0.07};
  const int width = 40 + static_cast<int>((seed >> 16) % 6) * 8 + (gender == 1 ? 0 : 2);
  const int height = width + width / 6;

  PixelArt art(width, height);
  // One pixel all round stays free for the outline.
  for (int y = 1; y < height - 1; ++y) {
    for (int x = 1; x < width - 1; ++x) {
      const double u = (x + 0.5 - width / 2.0) / (width / 2.0 - 1);
      const double v = (y - 0.5) / (height - 2);
      const double side = std::abs(u);
      const double body = BodyHalfWidth(cut, v);
      const double shoulder = BodyHalfWidth(cut, 0.1);
      const bool inBody = side <= body && !InNeckOpening(cut, side, v);
      const bool inSleeve = InSleeve(cut, side, v, shoulder);
      if (!inBody && !inSleeve) continue;
      const int light = static_cast<int>(u * 1.8 + v * 2.5) + 2;
      const bool atHem = v > 0.93;
      const bool atCuff = inSleeve && side > shoulder + cut.sleeveLength - 0.08;
      const bool atBelt = !cut.female && std::abs(v - 0.58) < 0.035;
      const bool atCollar = !inSleeve && InNeckOpening(cut, side * 0.8, v - 0.04);
      if (atHem || atCuff || atBelt || atCollar) {
        art.Set(x, y, trim.Shade(light));
      } else if (inBody && InPattern(pattern, side, v, x, y)) {
        art.Set(x, y, patternRamp.Shade(light));
      } else {
        art.Set(x, y, cloth.Shade(light));
      }
    }
  }
  art.Outline(kBlack);
  return art;
}

}  // namespace vestara
