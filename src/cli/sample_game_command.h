#pragma once

#include <ostream>

#include "cli/cli_command.h"

namespace vestara {

// `sample-game DIR [--force]`: writes the demo game folder; says what it wrote on `out`.
CliCommand AddSampleGameCommand(CLI::App& tool, std::ostream& out);

}  // namespace vestara
