#include "cli/sample_game_command.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/output_file.h"
#include "platform/utf8_path.h"
#include "sample_game/sample_game.h"

namespace vestara {
namespace {

struct SampleGameOptions {
  std::string folder;
  bool force = false;
};

void RunSampleGame(const SampleGameOptions& options, std::ostream& out) {
  const std::vector<SampleGameFile> files = SampleGameFiles();
  // Refuse before writing anything, so a refused run leaves no half-built folder.
  for (const SampleGameFile& file : files) {
    RefuseExisting(JoinPath(options.folder, file.path), options.force);
  }
  for (const SampleGameFile& file : files) {
    const std::string path = JoinPath(options.folder, file.path);
    MakeDirectories(ParentOf(path));
    const std::vector<std::uint8_t> bytes = file.build();
    WriteOutputFile(path, bytes, options.force);
  }
  out << "Wrote the sample game (" << files.size() << " files) to " << options.folder << '\n';
}

}  // namespace

CliCommand AddSampleGameCommand(CLI::App& tool, std::ostream& out) {
  auto options = std::make_shared<SampleGameOptions>();
  CLI::App* sample =
      tool.add_subcommand("sample-game", "Write a demo game folder with generated sprites.");
  sample->add_option("DIR", options->folder, "the folder to create or fill")->required();
  sample->add_flag("--force", options->force, "replace files that already exist");
  return {sample, [options, &out] { RunSampleGame(*options, out); }};
}

}  // namespace vestara
