#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace vestara {

// The Japanese user-interface faces every Windows ships, best first.
std::span<const std::string_view> JapaneseUiFaces();

// The face the dialog is built with: the template's own when it is installed, else the first
// installed Japanese user-interface face, else the template's again (nothing better draws the
// captions). `isInstalled` answers for one face name (UTF-8).
std::string_view ChooseDialogFace(const std::function<bool(std::string_view face)>& isInstalled);

}  // namespace vestara
