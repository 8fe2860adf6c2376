#pragma once

#include <ostream>

#include "cli/cli_command.h"

namespace vestara {

// `export -o DIR [...]`: every item of every category (and every colour and gender of
// armor and shoes) as pictures, plus index.csv and index.html. The summary line goes to
// `out`, the progress bar to `err` when that is a terminal.
CliCommand AddExportCommand(CLI::App& tool, std::ostream& out, std::ostream& err);

}  // namespace vestara
