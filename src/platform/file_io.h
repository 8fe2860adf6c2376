#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// File access that differs between systems. Every path is UTF-8 text; files are always
// read and written as bytes, with no line-end translation.
namespace vestara {

// True when `path` can be opened for reading and is a regular file (not a folder, device
// or pipe). Opening never blocks, even on a pipe.
bool OpensAsRegularFile(const std::string& path);

// Up to `maxBytes` from the start of the regular file `path`; nullopt when it cannot be
// opened as a regular file or reading fails.
std::optional<std::string> ReadRegularFilePrefix(const std::string& path, std::size_t maxBytes);

// The whole regular file `path`; nullopt when it cannot be opened as one or reading
// fails. Opened read-only and shared, so a file another program holds open (the game
// running beside us) is still read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

enum class NewFileResult {
  Written,
  NameTaken,  // something already exists under the name; it was not touched
  Failed,     // the file could not be created or written completely
};

// Creates `path` exclusively and writes `bytes` to it. Fails, touching nothing, when
// anything already exists under the name (a dangling link included); a file that it
// created but could not write completely is removed again.
NewFileResult CreateNewFile(const std::string& path, std::span<const unsigned char> bytes);

// CreateNewFile, true when it wrote the file.
bool WriteNewFile(const std::string& path, std::span<const unsigned char> bytes);

// Makes `path` hold exactly `bytes`, creating it when it does not exist. The new content
// is written beside it under a free temporary name, flushed to disk and moved over the
// old file in one step, so a reader sees either the old file or the new one, never a
// part. An existing entry that is not a writable regular file is left alone; so is
// everything when any step fails. False on any failure.
bool ReplaceFileContents(const std::string& path, std::span<const unsigned char> bytes);

}  // namespace vestara
