#pragma once

#include <string>

#include "app/dialog_window.h"

namespace vestara {

// What the viewer says when the chosen folder does not hold the game: it names the file
// looked for.
std::string NoGameInChosenFolderMessage();

// Offers the user, through `window`, to choose the game folder: first with the message about
// the missing folder, then, while the chosen folder is unusable, with a message saying why.
// True once filepath.txt names a folder that holds the game; false when the user gave up.
bool ChooseGameFolder(DialogWindow& window);

}  // namespace vestara
