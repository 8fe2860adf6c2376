// Linked as an object into the tests of vector code, ahead of the graphics library: this
// UsableVectorLevel answers what a ScopedVectorLevel sets, else what the CPU runs.
#include <optional>

#include "support/vector_levels.h"

namespace vestara {
namespace {

std::optional<VectorLevel> forcedLevel;

VectorLevel CpuLevel() {
#ifdef VESTARA_X86_64_VECTORS
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0 ? VectorLevel::Avx2 : VectorLevel::Sse2;
#else
  return VectorLevel::Scalar;
#endif
}

}  // namespace

VectorLevel UsableVectorLevel() { return forcedLevel.value_or(CpuLevel()); }

namespace testing {

std::vector<VectorLevel> RunnableVectorLevels() {
  std::vector<VectorLevel> levels;
  for (const VectorLevel level : {VectorLevel::Scalar, VectorLevel::Sse2, VectorLevel::Avx2}) {
    if (level <= CpuLevel()) levels.push_back(level);
  }
  return levels;
}

std::string NameOf(VectorLevel level) {
  switch (level) {
    case VectorLevel::Scalar:
      return "scalar";
    case VectorLevel::Sse2:
      return "SSE2";
    case VectorLevel::Avx2:
      return "AVX2";
  }
  return {};
}

ScopedVectorLevel::ScopedVectorLevel(VectorLevel level) { forcedLevel = level; }
ScopedVectorLevel::~ScopedVectorLevel() { forcedLevel.reset(); }

}  // namespace testing
}  // namespace vestara
