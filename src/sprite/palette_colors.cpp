#include "sprite/palette_colors.h"

#include <cstddef>

#include "sprite/sprite_palette.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VESTARA_AVX2_GATHER 1
#include <immintrin.h>
#endif

namespace vestara {
namespace {

#ifdef VESTARA_AVX2_GATHER
// Without AVX2 each colour is one load; this CPU feature loads eight at once.
const bool kCpuHasAvx2 = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
}();

// Looks up whole blocks of eight bytes and returns how many bytes it did.
__attribute__((target("avx2"))) std::size_t GatherBlocksOfEight(const std::uint8_t* bytes,
                                                                Color* out, std::size_t count) {
  const int* const palette = reinterpret_cast<const int*>(SpritePalette.data());
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i indices =
        _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes + i)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                        _mm256_i32gather_epi32(palette, indices, 4));
  }
  return i;
}
#endif

}  // namespace

void LookUpPaletteColors(std::span<const std::uint8_t> bytes, Color* out) {
  std::size_t i = 0;
#ifdef VESTARA_AVX2_GATHER
  if (kCpuHasAvx2) i = GatherBlocksOfEight(bytes.data(), out, bytes.size());
#endif
  for (; i < bytes.size(); ++i) out[i] = SpritePalette[bytes[i]];
}

}  // namespace vestara
