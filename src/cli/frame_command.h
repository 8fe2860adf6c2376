#pragma once

#include "cli/cli_command.h"

namespace vestara {

// `frame ARCHIVE INDEX -o FILE [--zoom Z] [--background B | --transparent] [--force]`:
// one frame of any archive, whole and scaled, as a picture file.
CliCommand AddFrameCommand(CLI::App& tool);

}  // namespace vestara
