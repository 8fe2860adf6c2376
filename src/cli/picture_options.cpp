#include "cli/picture_options.h"

#include "cli/cli_choices.h"

namespace vestara {

std::optional<Color> PictureOptions::BackgroundColor() const {
  if (transparent) return std::nullopt;
  return BackgroundColorByName(background);
}

void AddPictureOptions(CLI::App& command, PictureOptions& options, bool withTransparency) {
  command.add_option("--zoom", options.zoomPercent, "zoom in per cent")
      ->check(CLI::IsMember(ZoomChoices()))
      ->capture_default_str();
  CLI::Option* background =
      command.add_option("--background", options.background, "colour behind the sprite")
          ->check(CLI::IsMember(BackgroundChoices()))
          ->capture_default_str();
  if (withTransparency) {
    command
        .add_flag("--transparent", options.transparent,
                  "undrawn pixels fully transparent (PNG only)")
        ->excludes(background);
  }
}

}  // namespace vestara
