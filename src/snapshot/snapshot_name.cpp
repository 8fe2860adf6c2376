#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"
#include "snapshot/snapshot.h"

namespace vestara {
namespace {

constexpr long kLastSnapshotNumber = 9999998;

std::string SnapshotName(long number) {
  char name[256] = {};
  std::snprintf(name, sizeof name, "G%07ld.bmp", number);
  return name;
}

// A name is free only when nothing at all is there: a file that cannot be read, a
// folder or a dangling link still holds it, so a capture never replaces it.
bool IsFree(const std::string& name) {
  std::error_code error;
  return std::filesystem::symlink_status(PathFromUtf8(name), error).type() ==
         std::filesystem::file_type::not_found;
}

}  // namespace

std::string FindFreeSnapshotName() {
  for (long number = 1; number <= kLastSnapshotNumber; ++number) {
    std::string name = SnapshotName(number);
    if (IsFree(name)) return name;
  }
  return {};
}

}  // namespace vestara
