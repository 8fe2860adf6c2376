#include "graphics/halftone_half_size.h"

#include <algorithm>
#include <cstddef>

#include "graphics/pixel_shuffles.h"

namespace vestara {
namespace {

constexpr Color kChannels = 0xFFFFFF;
constexpr Color kLowBitOfEachChannel = 0x010101;

// Each byte averaged over two pixels, halves rounded up. No byte carries into the next.
constexpr Color AverageUp(Color a, Color b) { return (a | b) - (((a ^ b) >> 1) & 0x7F7F7F7F); }

// Each channel of a 2 x 2 block averaged as (a + b + c + d + 2) / 4. The block is averaged as
// two pairs and the pair averages again, rounding up each time; that ends one too high exactly
// when a pair sum was odd and the two pair averages have an odd sum, and the last term takes
// that back.
constexpr Color AverageOfFour(Color topLeft, Color topRight, Color bottomLeft, Color bottomRight) {
  const Color left = AverageUp(topLeft, bottomLeft);
  const Color right = AverageUp(topRight, bottomRight);
  const Color oddPair = (topLeft ^ bottomLeft) | (topRight ^ bottomRight);
  return (AverageUp(left, right) - (oddPair & (left ^ right) & kLowBitOfEachChannel)) & kChannels;
}

#ifdef VESTARA_X86_64_VECTORS
// AverageOfFour for four neighbouring blocks at once; pavgb is AverageUp.
__m128i AverageOfFourBlocks(const Color* top, const Color* bottom) {
  const __m128i top0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top));
  const __m128i top1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + 4));
  const __m128i bottom0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom));
  const __m128i bottom1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + 4));
  const __m128i topLeft = EvenPixels(top0, top1);
  const __m128i topRight = OddPixels(top0, top1);
  const __m128i bottomLeft = EvenPixels(bottom0, bottom1);
  const __m128i bottomRight = OddPixels(bottom0, bottom1);
  const __m128i left = _mm_avg_epu8(topLeft, bottomLeft);
  const __m128i right = _mm_avg_epu8(topRight, bottomRight);
  const __m128i oddPair =
      _mm_or_si128(_mm_xor_si128(topLeft, bottomLeft), _mm_xor_si128(topRight, bottomRight));
  const __m128i excess = _mm_and_si128(_mm_and_si128(oddPair, _mm_xor_si128(left, right)),
                                       _mm_set1_epi32(static_cast<int>(kLowBitOfEachChannel)));
  return _mm_and_si128(_mm_sub_epi8(_mm_avg_epu8(left, right), excess),
                       _mm_set1_epi32(static_cast<int>(kChannels)));
}

// The same for eight blocks.
__attribute__((target("avx2"))) __m256i AverageOfEightBlocks(const Color* top,
                                                             const Color* bottom) {
  const __m256i top0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top));
  const __m256i top1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + 8));
  const __m256i bottom0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom));
  const __m256i bottom1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + 8));
  const __m256i topLeft = EvenPixelsByHalf(top0, top1);
  const __m256i topRight = OddPixelsByHalf(top0, top1);
  const __m256i bottomLeft = EvenPixelsByHalf(bottom0, bottom1);
  const __m256i bottomRight = OddPixelsByHalf(bottom0, bottom1);
  const __m256i left = _mm256_avg_epu8(topLeft, bottomLeft);
  const __m256i right = _mm256_avg_epu8(topRight, bottomRight);
  const __m256i oddPair = _mm256_or_si256(_mm256_xor_si256(topLeft, bottomLeft),
                                          _mm256_xor_si256(topRight, bottomRight));
  const __m256i excess =
      _mm256_and_si256(_mm256_and_si256(oddPair, _mm256_xor_si256(left, right)),
                       _mm256_set1_epi32(static_cast<int>(kLowBitOfEachChannel)));
  return InRowOrder(_mm256_and_si256(_mm256_sub_epi8(_mm256_avg_epu8(left, right), excess),
                                     _mm256_set1_epi32(static_cast<int>(kChannels))));
}
#endif

// out[x] = the average of the block at column 2x of two source rows, for `from` <= x < count.
void HalveRowScalar(const Color* top, const Color* bottom, Color* out, std::size_t from,
                    std::size_t count) {
  for (std::size_t x = from; x < count; ++x) {
    out[x] = AverageOfFour(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
  }
}

#ifdef VESTARA_X86_64_VECTORS
void HalveRowSse2(const Color* top, const Color* bottom, Color* out, std::size_t count) {
  std::size_t x = 0;
  for (; x + 4 <= count; x += 4) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                     AverageOfFourBlocks(top + 2 * x, bottom + 2 * x));
  }
  HalveRowScalar(top, bottom, out, x, count);
}
#endif

#ifdef VESTARA_X86_64_VECTORS
__attribute__((target("avx2"))) void HalveRowAvx2(const Color* top, const Color* bottom, Color* out,
                                                  std::size_t count) {
  std::size_t x = 0;
  for (; x + 8 <= count; x += 8) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                        AverageOfEightBlocks(top + 2 * x, bottom + 2 * x));
  }
  // The rest here too: calling SSE code with the upper halves of the registers in use is slow.
  for (; x < count; ++x) {
    out[x] = AverageOfFour(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
  }
}
#endif

void HalveRow([[maybe_unused]] VectorLevel level, const Color* top, const Color* bottom, Color* out,
              std::size_t count) {
#ifdef VESTARA_X86_64_VECTORS
  if (level == VectorLevel::Avx2) {
    HalveRowAvx2(top, bottom, out, count);
    return;
  }
  if (level == VectorLevel::Sse2) {
    HalveRowSse2(top, bottom, out, count);
    return;
  }
#endif
  HalveRowScalar(top, bottom, out, 0, count);
}

Color PixelOrOutside(const PixelSurface& source, long long x, long long y, Color outside) {
  return x < source.Width() && y < source.Height()
             ? source.Row(static_cast<int>(y))[static_cast<std::size_t>(x)]
             : outside;
}

}  // namespace

void HalftoneAtHalfSize(const PixelSurface& source, PixelSurface& destination, Extent clipped,
                        Color outside) {
  // Blocks that lie wholly inside the source surface are read straight from its rows.
  const int insideWidth = std::min(clipped.width, source.Width() / 2);
  const int insideHeight = std::min(clipped.height, source.Height() / 2);
  const VectorLevel level = UsableVectorLevel();
  for (int y = 0; y < clipped.height; ++y) {
    Color* const row = destination.Row(y).data();
    int x = 0;
    if (y < insideHeight) {
      HalveRow(level, source.Row(2 * y).data(), source.Row(2 * y + 1).data(), row,
               static_cast<std::size_t>(insideWidth));
      x = insideWidth;
    }
    for (; x < clipped.width; ++x) {
      const long long left = 2LL * x;
      const long long top = 2LL * y;
      row[x] = AverageOfFour(PixelOrOutside(source, left, top, outside),
                             PixelOrOutside(source, left + 1, top, outside),
                             PixelOrOutside(source, left, top + 1, outside),
                             PixelOrOutside(source, left + 1, top + 1, outside));
    }
  }
}

}  // namespace vestara
