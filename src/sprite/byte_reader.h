#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vestara {

// Reads unsigned little-endian values from a span of bytes. A read that would pass
// the end delivers nothing and leaves the position where it was.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
      : bytes_(bytes), position_(position) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const {
    return position_ < bytes_.size() ? bytes_.size() - position_ : 0;
  }

  std::optional<std::span<const std::uint8_t>> Take(std::size_t count) {
    if (count > Remaining()) return std::nullopt;
    auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
  }
  std::optional<std::uint8_t> U8() { return Little<std::uint8_t>(); }
  std::optional<std::uint16_t> U16() { return Little<std::uint16_t>(); }
  std::optional<std::uint32_t> U32() { return Little<std::uint32_t>(); }

 private:
  template <typename T>
  std::optional<T> Little() {
    const auto taken = Take(sizeof(T));
    if (!taken) return std::nullopt;
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>((*taken)[i]) << (8 * i);
    return value;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_;
};

}  // namespace vestara
