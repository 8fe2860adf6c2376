#pragma once

#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/cli_command.h"

namespace vestara {

// `sheet`: the catalogue's lists, or every frame of one archive, packed onto sprite sheets,
// each PNG with its atlas in the JSON Hash layout game engines load.
CliCommand AddSheetCommand(CLI::App& tool, std::ostream& out, std::ostream& err);

}  // namespace vestara
