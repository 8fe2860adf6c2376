#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace vestara::testing {

// A decoded PNG or BMP: RGBA bytes, 4 per pixel, rows from the top.
struct DecodedImage {
  int width = 0;
  int height = 0;
  int channelsInFile = 0;
  std::vector<std::uint8_t> rgba;
  std::uint8_t Alpha(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 3]; }
  std::uint32_t Rgb(int x, int y) const;  // 0x00BBGGRR
};
std::optional<DecodedImage> DecodeImage(const std::filesystem::path& path);
std::optional<DecodedImage> DecodeImageBytes(std::span<const std::uint8_t> bytes);

}  // namespace vestara::testing
