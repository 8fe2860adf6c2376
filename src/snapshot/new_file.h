#pragma once

#include <span>
#include <string>

namespace vestara {

enum class NewFileResult {
  Written,
  NameTaken,  // something already exists under the name; it was not touched
  Failed,     // the file could not be created or written completely
};

// Creates `name` exclusively and writes `bytes` to it. Fails, touching nothing, when
// anything already exists under the name (a dangling link included); a file that it
// created but could not write completely is removed again.
NewFileResult CreateNewFile(const std::string& name, std::span<const unsigned char> bytes);

// CreateNewFile, true when it wrote the file.
bool WriteNewFile(const std::string& name, std::span<const unsigned char> bytes);

}  // namespace vestara
