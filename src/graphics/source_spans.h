#pragma once

#include <vector>

namespace vestara {

// Which source pixels make each destination pixel along one axis, when `sourceLength`
// pixels are stretched onto `destinationLength`: the one rule that both stretch modes and
// the transparent scaler follow.

// The source index that colour-on-colour copies into destination index d: d * S / D,
// rounded down.
int ColorOnColorSourceIndex(long long d, int sourceLength, int destinationLength);
// ColorOnColorSourceIndex for destination indices 0 .. count - 1.
std::vector<int> ColorOnColorSourceIndices(int sourceLength, int destinationLength, int count);

// Source indices [first, first + count).
struct SourceSpan {
  int first = 0;
  int count = 0;
  friend bool operator==(const SourceSpan&, const SourceSpan&) = default;
};

// For destination indices 0 .. count - 1, the source indices that halftone averages: s maps
// onto d exactly when d * S / D <= s < (d + 1) * S / D. Along an enlarged axis no source index
// may map onto d; there the span is the one colour-on-colour index.
std::vector<SourceSpan> AveragedSourceSpans(int sourceLength, int destinationLength, int count);

}  // namespace vestara
