#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/color.h"

namespace vestara {

// The zooms the viewer offers, as the values --zoom accepts.
std::vector<std::string> ZoomChoices();

// "white", "purple", "green", "black": the viewer's background list in order.
std::vector<std::string> BackgroundChoices();
// The colour of a name of BackgroundChoices(); nullopt for any other text.
std::optional<Color> BackgroundColorByName(std::string_view name);

// "male", "female": gender 0 and 1.
std::vector<std::string> GenderChoices();
std::string_view GenderName(int gender);
// The gender of a name of GenderChoices(); nullopt for any other text.
std::optional<int> GenderByName(std::string_view name);

}  // namespace vestara
