#include "temp_working_directory.h"

#include <fstream>
#include <iterator>
#include <random>

namespace vestara::testutil {

namespace fs = std::filesystem;

TempWorkingDirectory::TempWorkingDirectory() : previous_(fs::current_path()) {
  std::random_device random;
  do {
    directory_ = fs::temp_directory_path() / ("vestara-snapshot-" + std::to_string(random()));
  } while (!fs::create_directory(directory_));
  fs::current_path(directory_);
}

TempWorkingDirectory::~TempWorkingDirectory() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(directory_, ignored);
}

std::vector<unsigned char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vestara::testutil
