#include "platform/console.h"

#include <unistd.h>

namespace vestara {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

// Terminals here take UTF-8 as they are.
void UseUtf8Console() {}

bool StandardErrorIsConsole() { return isatty(STDERR_FILENO) == 1; }

}  // namespace vestara
