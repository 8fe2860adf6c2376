#include "game/game_path.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/game_drive.h"
#include "platform/utf8_path.h"

namespace vestara {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool StartsWithDriveLetter(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return false;
  const char letter = AsciiLower(path[0]);
  return letter >= 'a' && letter <= 'z';
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || IsSeparator(path[i])) {
      if (i > start) components.push_back(path.substr(start, i - start));
      start = i + 1;
    }
  }
  return components;
}

// The name of `component` inside `directory`: the exact name when it exists, else the one
// entry equal to it ignoring ASCII case; empty when there is no such single entry.
std::string ResolveComponent(const std::string& directoryName, std::string_view component) {
  const std::filesystem::path directory = PathFromUtf8(directoryName);
  std::error_code error;
  if (std::filesystem::exists(
          std::filesystem::symlink_status(directory / PathFromUtf8(component), error))) {
    return std::string(component);
  }
  std::string match;
  int matches = 0;
  for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = Utf8FromPath(entry->path().filename());
    if (EqualsIgnoringAsciiCase(name, component)) {
      match = name;
      ++matches;
    }
  }
  return matches == 1 ? match : std::string();
}

}  // namespace

bool EndsInSeparator(std::string_view path) { return !path.empty() && IsSeparator(path.back()); }

std::string ToNativePath(std::string_view gamePath) {
  std::string native;
  if (StartsWithDriveLetter(gamePath)) {
    native = GameDriveRoot(gamePath[0]);
    gamePath.remove_prefix(2);
  } else if (!gamePath.empty() && IsSeparator(gamePath[0])) {
    native.append(1, '/');
  }

  // Once a component is missing, nothing below it can exist; keep the rest as spelled.
  bool resolving = true;
  for (const std::string_view component : SplitComponents(gamePath)) {
    std::string name;
    if (resolving) {
      name = ResolveComponent(native.empty() ? "." : native, component);
      resolving = !name.empty();
    }
    if (!resolving) name = std::string(component);
    if (!native.empty() && native.back() != '/') native += '/';
    native += name;
  }
  if (EndsInSeparator(gamePath) && !native.empty() && native.back() != '/') {
    native += '/';
  }
  return native;
}

std::string ArchiveGamePath(std::string_view archiveName) {
  return "Data\\" + std::string(archiveName);
}

std::string ArchivePathIn(const std::string& gameFolder, std::string_view archiveName) {
  return ToNativePath(gameFolder + ArchiveGamePath(archiveName));
}

}  // namespace vestara
