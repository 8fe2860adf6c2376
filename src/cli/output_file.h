#pragma once

#include <span>
#include <string>

namespace vestara {

// Writes `bytes` to `path`. Without `force` an existing entry is never touched and is an
// error; with it the new file replaces an existing writable regular file atomically
// (ReplaceFileContents). Throws CommandError (InputOutput) naming the file and the problem.
void WriteOutputFile(const std::string& path, std::span<const unsigned char> bytes, bool force);

// Throws like WriteOutputFile when `path` exists and `force` is not given; lets a command
// refuse before it has written anything.
void RefuseExisting(const std::string& path, bool force);

// Creates the directory `path` and its parents as needed; throws CommandError
// (InputOutput) when that fails or something other than a directory is in the way.
void MakeDirectories(const std::string& path);

}  // namespace vestara
