#pragma once

#include <string_view>

namespace vestara {

// Whether a font family of that name (UTF-8) is installed and covers Japanese (the Shift JIS
// character set), so that the dialog's captions in it show as text.
bool IsJapaneseFaceInstalled(std::string_view face);

}  // namespace vestara
