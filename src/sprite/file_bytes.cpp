#include "sprite/file_bytes.h"

#include <cstdio>
#include <memory>

namespace vestara {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  const FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[64 * 1024];
  while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get())) {
    bytes.insert(bytes.end(), chunk, chunk + count);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace vestara
