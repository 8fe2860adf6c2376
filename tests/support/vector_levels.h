#pragma once

#include <string>
#include <vector>

#include "graphics/cpu_features.h"

namespace vestara::testing {

// Every vector level this CPU runs, the narrowest first: a test of a loop with vector paths
// runs once per level, so that a machine with AVX2 still tests the scalar and SSE2 paths.
// The executable must link the object library vestara_forced_vector_level, whose
// UsableVectorLevel takes the place of the library's.
std::vector<VectorLevel> RunnableVectorLevels();
std::string NameOf(VectorLevel level);

// While it lives, UsableVectorLevel() answers `level`.
class ScopedVectorLevel {
 public:
  explicit ScopedVectorLevel(VectorLevel level);
  ~ScopedVectorLevel();
  ScopedVectorLevel(const ScopedVectorLevel&) = delete;
  ScopedVectorLevel& operator=(const ScopedVectorLevel&) = delete;
};

}  // namespace vestara::testing
