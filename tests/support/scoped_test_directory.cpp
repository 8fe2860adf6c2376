#include "support/scoped_test_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <utility>

namespace vestara::testing {

namespace fs = std::filesystem;

ScopedTestDirectory::ScopedTestDirectory() {
  static int created = 0;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  // A random part keeps test processes running at once out of each other's folders.
  static const unsigned run = std::random_device()();
  std::string name = "vestara-" + std::to_string(run) + "-" + std::to_string(++created);
  if (test != nullptr) name += std::string("-") + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';  // parameterised test names contain slashes
  }
  root_ = fs::temp_directory_path() / name;
  fs::remove_all(root_);
  fs::create_directories(root_);
}

ScopedTestDirectory::~ScopedTestDirectory() {
  std::error_code error;
  // Tests may leave read-only directories behind; make them removable first.
  for (auto it = fs::recursive_directory_iterator(root_, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_directory(error))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(root_, error);
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const fs::path& directory)
    : previous_(fs::current_path()) {
  fs::current_path(directory);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
  std::error_code error;
  fs::current_path(previous_, error);
}

void WriteBinaryFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::optional<std::string> ReadBinaryFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  const std::string bytes = ReadBinaryFile(path).value_or("");
  return {bytes.begin(), bytes.end()};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  WriteBinaryFile(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace vestara::testing
