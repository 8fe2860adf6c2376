#include "cli/vestara_sprite.h"

#include <exception>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/cli_command.h"
#include "cli/command_error.h"
#include "cli/export_command.h"
#include "cli/frame_command.h"
#include "cli/info_command.h"
#include "cli/render_command.h"
#include "cli/sample_game_command.h"
#include "cli/sheet_command.h"

namespace vestara {

int RunVestaraSprite(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App tool("Inspect, render and export the equipment sprites of Vestara.", "vestara-sprite");
  tool.set_version_flag("--version", "vestara-sprite " VESTARA_VERSION);
  tool.require_subcommand(1);
  const std::vector<CliCommand> commands{
      AddInfoCommand(tool, out),       AddRenderCommand(tool, out),
      AddFrameCommand(tool),           AddExportCommand(tool, out, err),
      AddSheetCommand(tool, out, err), AddSampleGameCommand(tool, out)};

  // The usage of the subcommand that was chosen, or of the whole tool.
  const auto usageError = [&](const std::string& message) {
    err << message << "\n\n" << tool.help();
    return static_cast<int>(ExitCode::Usage);
  };
  try {
    tool.parse(argc, argv);
  } catch (const CLI::Success& helpOrVersion) {
    return tool.exit(helpOrVersion, out, err);
  } catch (const CLI::ParseError& error) {
    return usageError(error.what());
  }

  try {
    for (const CliCommand& command : commands) {
      if (command.parser->parsed()) command.run();
    }
  } catch (const CommandError& error) {
    out.flush();
    if (error.Code() == ExitCode::Usage) return usageError(error.what());
    err << error.what() << '\n';
    return static_cast<int>(error.Code());
  } catch (const std::exception& error) {
    out.flush();
    err << "vestara-sprite: " << error.what() << '\n';
    return static_cast<int>(ExitCode::InputOutput);
  }
  return static_cast<int>(ExitCode::Success);
}

}  // namespace vestara
