#pragma once

#include <string>

namespace vestara {

// Whether the viewer's command line holds --own-folder (the Start-menu shortcut's).
bool CommandLineAsksForOwnFolder();

// Makes Vestara in the user's Pictures folder (wherever it is redirected, OneDrive
// included) the working directory, creating it when missing, so that filepath.txt is read
// there and captures are saved there. Returns the path of filepath.txt there, or an empty
// string after telling the user why the folder could not be entered.
std::wstring EnterOwnFolder();

}  // namespace vestara
