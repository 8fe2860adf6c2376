#pragma once

#include <ostream>

#include "cli/cli_command.h"

namespace vestara {

// `render --category C --item N [...]`: the viewer's capture picture of one selection;
// without -o it goes to the next free snapshot name and "Save as :NAME" to `out`.
CliCommand AddRenderCommand(CLI::App& tool, std::ostream& out);

}  // namespace vestara
