#pragma once

#include <functional>
#include <string_view>

namespace vestara {

// The face the dialog is built with: the template's own when it is installed, else the first
// installed of the Japanese user-interface faces Windows ships (Yu Gothic UI, Meiryo UI,
// MS UI Gothic), else the template's again (nothing better draws the captions).
// `isInstalled` answers for one face name (UTF-8).
std::string_view ChooseDialogFace(const std::function<bool(std::string_view face)>& isInstalled);

}  // namespace vestara
