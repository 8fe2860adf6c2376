#pragma once

#include <functional>

#include <CLI/CLI.hpp>

namespace vestara {

// A subcommand of the tool: its parser, and what to do when it was chosen. `run`
// throws CommandError for usage and file errors.
struct CliCommand {
  CLI::App* parser = nullptr;
  std::function<void()> run;
};

}  // namespace vestara
