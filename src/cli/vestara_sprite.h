#pragma once

#include <ostream>

namespace vestara {

// Runs the command-line tool: parses the arguments, runs the chosen subcommand and
// returns the exit code (0 success, 1 usage error, 2 input or output error).
int RunVestaraSprite(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace vestara
