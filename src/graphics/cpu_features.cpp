// Alone in its file: a test links its own UsableVectorLevel in place of this one, to run
// every vector path on any CPU.
#include "graphics/cpu_features.h"

namespace vestara {

VectorLevel UsableVectorLevel() {
#ifdef VESTARA_X86_64_VECTORS
  static const VectorLevel level = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0 ? VectorLevel::Avx2 : VectorLevel::Sse2;
  }();
  return level;
#else
  return VectorLevel::Scalar;
#endif
}

}  // namespace vestara
