#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vestara {

// One file of the sample game folder: its path relative to the folder ('/'-separated)
// and how to build its bytes, so that only one archive is held at a time.
struct SampleGameFile {
  std::string path;
  std::function<std::vector<std::uint8_t>()> build;
};

// Every archive the viewer reads, with a frame at each frame number the catalogue names,
// plus the probe file. Deterministic: the same bytes on every call.
std::vector<SampleGameFile> SampleGameFiles();

}  // namespace vestara
