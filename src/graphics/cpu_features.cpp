#include "graphics/cpu_features.h"

namespace vestara {

bool CpuHasAvx2() {
#ifdef VESTARA_X86_64_VECTORS
  static const bool hasAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return hasAvx2;
#else
  return false;
#endif
}

}  // namespace vestara
