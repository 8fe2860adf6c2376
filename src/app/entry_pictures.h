#pragma once

#include <span>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/dialog_window.h"
#include "render/list_pictures.h"

namespace vestara {

// The lists whose entries show pictures: the seven item lists and the two colour lists.
std::span<const ControlId> PictureLists();

// The squares for list entries in a dialog whose text lines are `lineHeight` pixels high:
// two lines for a row of the opened list, one for the closed list's field.
constexpr ListPictureSides PictureSidesForLine(int lineHeight) {
  return {2 * lineHeight, lineHeight};
}

// The lists whose pictures a notification alters: armor and shoes items follow their colour
// and gender; a colour list shows the selected item of its kind in each colour, in the
// selected gender.
std::vector<ControlId> ListsAlteredBy(int controlId, int code);

// The pictures of the entries of `list` in the game at `gameFolder`, as the window's lists
// and radios stand now, in the window's sizes; each archive is read once.
std::vector<EntryPictures> MakeEntryPictures(ControlId list, const std::string& gameFolder,
                                             const DialogWindow& window);

}  // namespace vestara
