#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vestara {

// A modal warning over `owner` with `text`, `detail` under it, an OK button and a second,
// default button that opens the system's folder chooser: the folder chosen, or nullopt when
// the user closed the warning or cancelled the chooser.
std::optional<std::wstring> AskForGameFolder(HWND owner, const std::wstring& text,
                                             const std::wstring& detail);

}  // namespace vestara
