#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include "app/control_ids.h"
#include "render/list_pictures.h"

namespace vestara {

// The owner-drawn lists' entries: each list's pictures as bitmaps, and the drawing of an
// entry (picture, then label) in the system's colours, so high contrast and the selected
// row look as in any other list.
class ListEntryDrawing {
 public:
  ListEntryDrawing() = default;
  ~ListEntryDrawing();
  ListEntryDrawing(const ListEntryDrawing&) = delete;
  ListEntryDrawing& operator=(const ListEntryDrawing&) = delete;

  // The height of an opened list's rows (itemID of a list entry) or of the closed field
  // (itemID -1), for the dialog `dialog`.
  static void Measure(HWND dialog, MEASUREITEMSTRUCT& item);
  // Lists with visual styles open to show a number of rows (30 unless told otherwise), not
  // the template's height: with rows two lines high, fewer keep the opened list as tall as
  // a plain list's.
  static void KeepOpenedHeight(HWND dialog, HWND list);
  // The text line height of the dialog's font.
  static int LineHeight(HWND dialog);

  // Replaces the pictures of `list`.
  void Set(ControlId list, std::span<const EntryPictures> pictures, ListPictureSides sides);
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  struct EntryBitmaps {
    HBITMAP row = nullptr;
    HBITMAP field = nullptr;
  };
  void Release(ControlId list);

  std::map<ControlId, std::vector<EntryBitmaps>> bitmaps_;
  ListPictureSides sides_;
};

}  // namespace vestara
