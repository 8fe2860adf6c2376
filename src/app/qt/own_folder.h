#pragma once

#include <QString>

namespace vestara {

// The viewer's own working folder: Vestara in the user's pictures folder
// ($XDG_PICTURES_DIR, else ~/Pictures).
QString OwnFolderPath();

// Creates the own folder when it is missing and makes it the working directory, so that
// filepath.txt is read there and captures are saved there. Returns an empty string on
// success, else a message for the user naming the folder.
QString EnterOwnFolder();

}  // namespace vestara
