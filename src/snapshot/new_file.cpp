#include "snapshot/new_file.h"

#include <cerrno>
#include <cstdio>

namespace vestara {

NewFileResult CreateNewFile(const std::string& name, std::span<const unsigned char> bytes) {
  // "x": create, or fail if the name exists; never follows a link to replace its target.
  std::FILE* file = std::fopen(name.c_str(), "wbx");
  if (!file) return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(name.c_str());
  return written ? NewFileResult::Written : NewFileResult::Failed;
}

bool WriteNewFile(const std::string& name, std::span<const unsigned char> bytes) {
  return CreateNewFile(name, bytes) == NewFileResult::Written;
}

}  // namespace vestara
