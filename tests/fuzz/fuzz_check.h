#pragma once

#include <cstdio>
#include <cstdlib>

namespace vestara::fuzz {

// A property that must hold for every input; a violation aborts, which the fuzzer reports
// as a finding together with the input.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz property violated: %s\n", property);
  std::abort();
}

}  // namespace vestara::fuzz
