#pragma once

#include <filesystem>

namespace vestara::bench {

// The sample game, generated once per process into a directory of its own under the
// temporary folder, which is removed at exit. Beside the game folder "game/" lies
// filepath.txt naming it, so the directory serves as the viewer's working directory.
class SampleGameFolder {
 public:
  static const SampleGameFolder& Get();

  ~SampleGameFolder();
  SampleGameFolder(const SampleGameFolder&) = delete;
  SampleGameFolder& operator=(const SampleGameFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Game() const { return root_ / "game"; }

 private:
  SampleGameFolder();

  std::filesystem::path root_;
};

}  // namespace vestara::bench
