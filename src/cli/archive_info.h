#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>

namespace vestara {

// Writes "frames N" and one "INDEX WIDTHxHEIGHT BYTES" line per frame of `archive` to
// `out`, with "-" in place of the size of a frame that the decoder refuses. Returns the
// number of such damaged frames; nullopt, writing nothing, when the bytes are not a
// sprite archive.
std::optional<std::uint32_t> WriteArchiveInfo(std::span<const std::uint8_t> archive,
                                              std::ostream& out);

}  // namespace vestara
