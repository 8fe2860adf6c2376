#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>

namespace vestara {

// Reads with `readChunk(void* buffer, std::size_t size)`, which gives the bytes it read (0
// at the end) or nullopt on failure, until the end or `maxBytes`. `expected` is the size
// the file had when it was opened; one byte more lets the read that finds the end need no
// second buffer, and a file that grew since is read on.
template <typename Bytes, typename ReadChunk>
std::optional<Bytes> ReadToEnd(ReadChunk readChunk, std::size_t maxBytes, std::size_t expected) {
  Bytes data(std::min(maxBytes, expected + 1), 0);
  std::size_t filled = 0;
  while (filled < maxBytes) {
    if (filled == data.size()) data.resize(std::min(maxBytes, data.size() * 2));
    const std::optional<std::size_t> count = readChunk(data.data() + filled, data.size() - filled);
    if (!count) return std::nullopt;
    if (*count == 0) break;
    filled += *count;
  }
  data.resize(filled);
  return data;
}

}  // namespace vestara
