#include "cli/cli_choices.h"

#include <array>

#include "catalogue/item_labels.h"
#include "render/view_geometry.h"

namespace vestara {
namespace {

// In the order of the viewer's background list, whose positions pick the colour.
constexpr std::array<std::string_view, 4> kBackgroundNames{"white", "purple", "green", "black"};
constexpr std::array<std::string_view, 2> kGenderNames{"male", "female"};

template <std::size_t N>
std::optional<int> PositionOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> ZoomChoices() {
  std::vector<std::string> choices;
  for (const int zoom : kZoomSteps) choices.push_back(std::to_string(zoom));
  return choices;
}

std::vector<std::string> BackgroundChoices() {
  return {kBackgroundNames.begin(), kBackgroundNames.end()};
}

std::optional<Color> BackgroundColorByName(std::string_view name) {
  const std::optional<int> position = PositionOf(kBackgroundNames, name);
  if (!position) return std::nullopt;
  return BackgroundColorOf(*position);
}

std::vector<std::string> GenderChoices() { return {kGenderNames.begin(), kGenderNames.end()}; }

std::string_view GenderName(int gender) {
  return gender >= 0 && gender < static_cast<int>(kGenderNames.size()) ? kGenderNames[gender]
                                                                       : std::string_view{};
}

std::optional<int> GenderByName(std::string_view name) { return PositionOf(kGenderNames, name); }

}  // namespace vestara
