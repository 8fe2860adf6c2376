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

// Makes `directory` the working directory for the object's lifetime.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::filesystem::path& directory);
  ~ScopedWorkingDirectory();
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace vestara::bench
