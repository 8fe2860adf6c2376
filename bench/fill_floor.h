#pragma once

#include "graphics/stretch.h"
#include "ratio_pairs.h"

namespace vestara::bench {

// The floor of the pixel cases: a plain fill of a surface of `size`, allocated once, in a new
// colour every iteration so that nothing can be skipped.
BenchmarkBody FillFloor(Extent size);

}  // namespace vestara::bench
