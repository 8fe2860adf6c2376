#include "snapshot/bmp_encoding.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

// Static, so that no other part of the program can clash with these definitions.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace vestara {
namespace {

struct Output {
  std::vector<unsigned char> bytes;
  bool failed = false;
};

// Called from C code: no exception may leave it.
void Append(void* context, void* data, int size) {
  auto& output = *static_cast<Output*>(context);
  try {
    const auto* first = static_cast<const unsigned char*>(data);
    output.bytes.insert(output.bytes.end(), first, first + size);
  } catch (const std::bad_alloc&) {
    output.failed = true;
  }
}

// The encoder counts bytes in int: keep every image it sees (4 bytes a pixel plus a
// filter byte a row, with headers) well inside that.
bool Encodable(const PixelSurface& image) {
  if (image.Width() <= 0 || image.Height() <= 0) return false;
  const long long rowBytes = 4LL * image.Width() + 4;
  return rowBytes * image.Height() <= INT_MAX - 1024;
}

// Top-down interleaved channels: R, G, B.
std::vector<unsigned char> Interleave(const PixelSurface& image) {
  constexpr std::size_t channels = 3;
  std::vector<unsigned char> samples;
  samples.reserve(image.Pixels().size() * channels);
  for (std::size_t i = 0; i < image.Pixels().size(); ++i) {
    const Color color = image.Pixels()[i];
    samples.push_back(RedOf(color));
    samples.push_back(GreenOf(color));
    samples.push_back(BlueOf(color));
  }
  return samples;
}

std::vector<unsigned char> Finish(Output output, int written) {
  if (written == 0 || output.failed) return {};
  return std::move(output.bytes);
}

}  // namespace

std::vector<unsigned char> EncodeBmp24(const PixelSurface& image) {
  if (!Encodable(image)) return {};
  const auto samples = Interleave(image);
  Output output;
  // Three channels give a 40-byte info header, BGR, bottom-up rows padded to 4 bytes.
  const int written =
      stbi_write_bmp_to_func(Append, &output, image.Width(), image.Height(), 3, samples.data());
  return Finish(std::move(output), written);
}

}  // namespace vestara
