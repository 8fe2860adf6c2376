#pragma once

// x86-64 builds target SSE2, which every such CPU has; the few hot loops that gain from wider
// vectors carry a second, AVX2 version of themselves and pick it at run time.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VESTARA_X86_64_VECTORS 1
#endif

namespace vestara {

// The widest vectors a loop may use: Scalar (plain code only), Sse2 (128-bit vectors, every
// x86-64 CPU), Avx2 (256-bit vectors and gathers).
enum class VectorLevel { Scalar, Sse2, Avx2 };

// What this CPU runs, found once. Loops ask it before their work, not per pixel.
VectorLevel UsableVectorLevel();

}  // namespace vestara
