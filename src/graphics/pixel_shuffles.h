#pragma once

// Picking every second pixel out of eight or sixteen neighbours in vector registers, for the
// loops that halve a row. x86-64 only; the AVX2 forms are for functions built for AVX2.
#include "graphics/cpu_features.h"

#ifdef VESTARA_X86_64_VECTORS
#include <immintrin.h>

namespace vestara {

// Pixels 0, 2, 4, 6 (Even) or 1, 3, 5, 7 (Odd) of `first` followed by `second`.
inline __m128i EvenPixels(__m128i first, __m128i second) {
  return _mm_castps_si128(
      _mm_shuffle_ps(_mm_castsi128_ps(first), _mm_castsi128_ps(second), _MM_SHUFFLE(2, 0, 2, 0)));
}
inline __m128i OddPixels(__m128i first, __m128i second) {
  return _mm_castps_si128(
      _mm_shuffle_ps(_mm_castsi128_ps(first), _mm_castsi128_ps(second), _MM_SHUFFLE(3, 1, 3, 1)));
}

// The same for sixteen pixels, within each 128-bit half: the pairs of the result come in
// the order 0, 2, 1, 3 until InRowOrder puts them back.
__attribute__((target("avx2"))) inline __m256i EvenPixelsByHalf(__m256i first, __m256i second) {
  return _mm256_castps_si256(_mm256_shuffle_ps(
      _mm256_castsi256_ps(first), _mm256_castsi256_ps(second), _MM_SHUFFLE(2, 0, 2, 0)));
}
__attribute__((target("avx2"))) inline __m256i OddPixelsByHalf(__m256i first, __m256i second) {
  return _mm256_castps_si256(_mm256_shuffle_ps(
      _mm256_castsi256_ps(first), _mm256_castsi256_ps(second), _MM_SHUFFLE(3, 1, 3, 1)));
}
__attribute__((target("avx2"))) inline __m256i InRowOrder(__m256i pairsByHalf) {
  return _mm256_permute4x64_epi64(pairsByHalf, _MM_SHUFFLE(3, 1, 2, 0));
}

}  // namespace vestara
#endif
