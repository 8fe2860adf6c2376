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

bool WriteNewFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  // "x" makes the open fail when the file already exists.
  FileHandle file(std::fopen(path.c_str(), "wbx"));
  if (!file) return false;
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace vestara
