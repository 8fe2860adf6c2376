#include "sprite/palette_colors.h"

#include <cstddef>
#include <cstring>

#include "graphics/cpu_features.h"
#include "sprite/sprite_palette.h"

#ifdef VESTARA_X86_64_VECTORS
#include <immintrin.h>
#endif

namespace vestara {
namespace {

#ifdef VESTARA_X86_64_VECTORS
// Without AVX2 each colour is one load; its gathers load eight at once.
const int* PaletteEntries() { return reinterpret_cast<const int*>(SpritePalette.data()); }

__attribute__((target("avx2"))) void GatherEight(const std::uint8_t* bytes, Color* out) {
  const __m256i indices =
      _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes)));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                      _mm256_i32gather_epi32(PaletteEntries(), indices, 4));
}

__attribute__((target("avx2"))) void GatherFour(const std::uint8_t* bytes, Color* out) {
  int four = 0;
  std::memcpy(&four, bytes, sizeof four);
  const __m128i indices = _mm_cvtepu8_epi32(_mm_cvtsi32_si128(four));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                   _mm_i32gather_epi32(PaletteEntries(), indices, 4));
}

// Runs of four or more bytes in blocks; the last block ends with the run and may cover colours
// already written, so that no run ends in a loop of single colours.
__attribute__((target("avx2"))) void GatherRun(const std::uint8_t* bytes, Color* out,
                                               std::size_t count) {
  if (count < 8) {
    GatherFour(bytes, out);
    GatherFour(bytes + count - 4, out + count - 4);
    return;
  }
  for (std::size_t i = 0; i + 8 < count; i += 8) GatherEight(bytes + i, out + i);
  GatherEight(bytes + count - 8, out + count - 8);
}
#endif

}  // namespace

void LookUpPaletteColors(std::span<const std::uint8_t> bytes, Color* out,
                         [[maybe_unused]] VectorLevel level) {
#ifdef VESTARA_X86_64_VECTORS
  if (level == VectorLevel::Avx2 && bytes.size() >= 4) {
    GatherRun(bytes.data(), out, bytes.size());
    return;
  }
#endif
  for (std::size_t i = 0; i < bytes.size(); ++i) out[i] = SpritePalette[bytes[i]];
}

}  // namespace vestara
