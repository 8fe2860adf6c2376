#include "platform/game_drive.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace vestara {

namespace {

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

}  // namespace

std::string GameDriveRoot(char letter) {
  const char lower =
      (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
  // Appended piece by piece: assigning or prepending literals here makes GCC 12 report a
  // false -Wrestrict inside std::string (GCC bug 105329).
  std::string root;
  root.append(WinePrefix()).append("/drive_").append(1, lower).append(1, '/');
  return root;
}

}  // namespace vestara
