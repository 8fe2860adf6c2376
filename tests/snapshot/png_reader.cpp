#include "png_reader.h"

#define STBI_STATIC
#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace vestara::testutil {

DecodedPng DecodePng(const std::string& path, int channels) {
  DecodedPng png;
  unsigned char* samples =
      stbi_load(path.c_str(), &png.width, &png.height, &png.channelsInFile, channels);
  if (!samples) return {};
  png.samples.assign(samples, samples + png.width * png.height * channels);
  stbi_image_free(samples);
  return png;
}

}  // namespace vestara::testutil
