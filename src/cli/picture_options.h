#pragma once

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "graphics/color.h"

namespace vestara {

// The look of a picture, shared by the commands that write pictures.
struct PictureOptions {
  int zoomPercent = 100;
  std::string background = "white";
  bool transparent = false;

  // The background colour; nullopt for a transparent picture.
  std::optional<Color> BackgroundColor() const;
};

// Adds --zoom, and --background or --transparent when `withTransparency`.
void AddPictureOptions(CLI::App& command, PictureOptions& options, bool withTransparency);

}  // namespace vestara
