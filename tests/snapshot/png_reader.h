#pragma once

#include <string>
#include <vector>

namespace vestara::testutil {

struct DecodedPng {
  int width = 0;
  int height = 0;
  int channelsInFile = 0;
  std::vector<unsigned char> samples;  // top-down, `channels` per pixel as requested
};

// Decodes a PNG file into `channels` samples per pixel; width 0 when it cannot.
DecodedPng DecodePng(const std::string& path, int channels);

}  // namespace vestara::testutil
