#pragma once

#include <span>
#include <string>

namespace vestara {

// Creates `name` exclusively and writes `bytes` to it. Fails, touching nothing, when
// anything already exists under the name (a dangling link included); a file that it
// created but could not write completely is removed again.
bool WriteNewFile(const std::string& name, std::span<const unsigned char> bytes);

}  // namespace vestara
