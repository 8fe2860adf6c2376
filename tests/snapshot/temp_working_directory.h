#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vestara::testutil {

// A fresh, empty directory made the working directory for the object's life; the old
// working directory comes back and the directory is removed afterwards.
class TempWorkingDirectory {
 public:
  TempWorkingDirectory();
  ~TempWorkingDirectory();
  TempWorkingDirectory(const TempWorkingDirectory&) = delete;
  TempWorkingDirectory& operator=(const TempWorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

}  // namespace vestara::testutil
