#pragma once

#include <cstdint>

namespace vestara {

// A colour as 0x00BBGGRR: red in the low byte.
using Color = std::uint32_t;

constexpr Color MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
constexpr std::uint8_t RedOf(Color c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(Color c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Color c) { return static_cast<std::uint8_t>(c >> 16); }

}  // namespace vestara
