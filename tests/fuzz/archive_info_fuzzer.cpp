// The lines of `vestara-sprite info` over arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/archive_info.h"
#include "fuzz_check.h"
#include "sprite/archive_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vestara::fuzz::Require;
  const std::span<const std::uint8_t> archive(data, size);
  std::ostringstream out;
  const auto damaged = vestara::WriteArchiveInfo(archive, out);
  const auto index = vestara::ReadArchiveIndex(archive);
  Require(damaged.has_value() == index.has_value(), "info lists exactly the archives");
  if (!damaged) {
    Require(out.str().empty(), "nothing is listed for what is not an archive");
    return 0;
  }

  std::istringstream lines(out.str());
  std::string line;
  Require(std::getline(lines, line) && line == "frames " + std::to_string(index->frameCount),
          "the first line counts the frames");
  std::uint32_t frames = 0;
  std::uint32_t dashes = 0;
  while (std::getline(lines, line)) {
    const std::string prefix = std::to_string(frames) + ' ';
    Require(line.starts_with(prefix), "frame lines are numbered in order");
    const std::string bytes = ' ' + std::to_string(index->FrameByteSize(frames));
    Require(line.ends_with(bytes), "each frame line ends in the frame's byte size");
    if (line == prefix + '-' + bytes) ++dashes;
    ++frames;
  }
  Require(frames == index->frameCount, "one line per frame");
  Require(dashes == *damaged, "every damaged frame is listed with a dash");
  return 0;
}
