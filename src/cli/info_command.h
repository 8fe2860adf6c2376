#pragma once

#include <ostream>

#include "cli/cli_command.h"

namespace vestara {

// `info ARCHIVE`: "frames N", then "INDEX WIDTHxHEIGHT BYTES" per frame on `out`.
CliCommand AddInfoCommand(CLI::App& tool, std::ostream& out);

}  // namespace vestara
