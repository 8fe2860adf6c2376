#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vestara {

// Paths travel through the program as UTF-8 text; these are the only places where they
// become the system's own path type and back. Never throws: on systems with wide paths,
// bytes that are not UTF-8 become U+FFFD.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// `relative` (with '/' between its parts) inside `folder`, spelled with the system's own
// separators.
std::string JoinPath(std::string_view folder, std::string_view relative);

// The folder part of `path`; empty when it has none.
std::string ParentOf(std::string_view path);

}  // namespace vestara
