#pragma once

#include <string_view>
#include <vector>

#include "app/control_ids.h"

namespace vestara {

// The entries of a selection list in list order (UTF-8); empty for a control that is no list.
std::vector<std::string_view> ListLabels(ControlId list);

}  // namespace vestara
