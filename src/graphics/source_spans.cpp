#include "graphics/source_spans.h"

#include <cstddef>

namespace vestara {

int ColorOnColorSourceIndex(long long d, int sourceLength, int destinationLength) {
  return static_cast<int>(d * sourceLength / destinationLength);
}

std::vector<int> ColorOnColorSourceIndices(int sourceLength, int destinationLength, int count) {
  std::vector<int> indices(static_cast<std::size_t>(count));
  for (int d = 0; d < count; ++d) {
    indices[static_cast<std::size_t>(d)] =
        ColorOnColorSourceIndex(d, sourceLength, destinationLength);
  }
  return indices;
}

// From ceil(d * S / D) up to, but excluding, ceil((d + 1) * S / D).
std::vector<SourceSpan> AveragedSourceSpans(int sourceLength, int destinationLength, int count) {
  const auto firstMappingOnto = [&](long long d) {
    return static_cast<int>((d * sourceLength + destinationLength - 1) / destinationLength);
  };
  std::vector<SourceSpan> spans(static_cast<std::size_t>(count));
  for (int d = 0; d < count; ++d) {
    const int first = firstMappingOnto(d);
    const int end = firstMappingOnto(d + 1LL);
    spans[static_cast<std::size_t>(d)] =
        first < end ? SourceSpan{first, end - first}
                    : SourceSpan{ColorOnColorSourceIndex(d, sourceLength, destinationLength), 1};
  }
  return spans;
}

}  // namespace vestara
