#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace vestara {

// Eight palette entries in a row that shade one colour from light (step 0) to dark (7).
struct Ramp {
  std::uint8_t first;
  constexpr std::uint8_t Shade(int step) const {
    return static_cast<std::uint8_t>(first + std::clamp(step, 0, 7));
  }
};

inline constexpr Ramp kSilver{16}, kIron{24}, kLime{32}, kForest{40}, kSand{48}, kBrown{56},
    kTan{64}, kBark{72}, kSkin{96}, kMint{104}, kRose{112}, kScarlet{120}, kTaupe{128}, kMauve{136},
    kKhaki{144}, kOrange{152}, kYellow{160}, kSage{168}, kOlive{176}, kGold{184}, kTeal{192},
    kGreen{200}, kCyan{208}, kSky{216}, kPlum{224}, kLavender{232};

inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kWhite = 255;

// A fixed scramble of two numbers: the sample art varies by it, and the same inputs
// always give the same art.
constexpr std::uint32_t Scramble(std::uint32_t a, std::uint32_t b = 0) {
  std::uint32_t x = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA6Bu;
  x ^= x >> 15;
  x *= 0x2C1B3C6Du;
  x ^= x >> 12;
  x *= 0x297A2D39u;
  x ^= x >> 15;
  return x;
}

template <typename T, std::size_t N>
constexpr const T& Pick(const std::array<T, N>& choices, std::uint32_t seed) {
  return choices[seed % N];
}

}  // namespace vestara
