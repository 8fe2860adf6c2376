#include "app/game_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

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

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// Wine's prefix: $WINEPREFIX, else ~/.wine.
std::string WinePrefix() {
  std::string prefix = EnvironmentValue("WINEPREFIX");
  if (!prefix.empty()) return prefix;
  std::string home = EnvironmentValue("HOME");
  if (home.empty()) {
    const passwd* user = getpwuid(getuid());
    if (user != nullptr && user->pw_dir != nullptr) home = user->pw_dir;
  }
  return home + "/.wine";
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
std::string ResolveComponent(const std::filesystem::path& directory, std::string_view component) {
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(directory / component, error))) {
    return std::string(component);
  }
  std::string match;
  int matches = 0;
  for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (EqualsIgnoringAsciiCase(name, component)) {
      match = name;
      ++matches;
    }
  }
  return matches == 1 ? match : std::string();
}

}  // namespace

std::string ToNativePath(std::string_view gamePath) {
  // Appended piece by piece: assigning or prepending literals here makes GCC 12 report a
  // false -Wrestrict inside std::string (GCC bug 105329).
  std::string native;
  if (StartsWithDriveLetter(gamePath)) {
    native.append(WinePrefix()).append("/drive_").append(1, AsciiLower(gamePath[0])).append(1, '/');
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
  if (!gamePath.empty() && IsSeparator(gamePath.back()) && !native.empty() &&
      native.back() != '/') {
    native += '/';
  }
  return native;
}

}  // namespace vestara
