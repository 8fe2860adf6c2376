#include "app/win32/list_entry_drawing.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/entry_pictures.h"
#include "app/win32/list_picture_pixels.h"
#include "app/win32/top_down_dib.h"

namespace vestara {
namespace {

constexpr int kMargin = 2;
// How many rows a list with visual styles shows when it opens, unless told otherwise.
constexpr int kPlainOpenedRows = 30;

HBITMAP BitmapOf(const std::optional<ListPicture>& picture, int side) {
  if (!picture || side <= 0) return nullptr;
  const std::vector<std::uint32_t> pixels = SquarePremultipliedPixels(*picture, side);
  const BITMAPINFO info = TopDownDibInfo(side, side);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
  return bitmap;
}

void DrawBitmap(HDC target, HBITMAP bitmap, int left, int top, int side) {
  const HDC source = CreateCompatibleDC(target);
  const HGDIOBJ previous = SelectObject(source, bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(target, left, top, side, side, source, 0, 0, side, side, blend);
  SelectObject(source, previous);
  DeleteDC(source);
}

std::wstring EntryText(HWND list, UINT position) {
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, position, 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(list, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

}  // namespace

ListEntryDrawing::~ListEntryDrawing() {
  while (!bitmaps_.empty()) Release(bitmaps_.begin()->first);
}

int ListEntryDrawing::LineHeight(HWND dialog) {
  const HDC dc = GetDC(dialog);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(dialog, dc);
  return std::max<int>(1, metrics.tmHeight);
}

void ListEntryDrawing::Measure(HWND dialog, MEASUREITEMSTRUCT& item) {
  const ListPictureSides sides = PictureSidesForLine(LineHeight(dialog));
  item.itemHeight =
      static_cast<UINT>((item.itemID == static_cast<UINT>(-1) ? sides.field : sides.row) + kMargin);
}

void ListEntryDrawing::KeepOpenedHeight(HWND dialog, HWND list) {
  const ListPictureSides sides = PictureSidesForLine(LineHeight(dialog));
  const int rows = kPlainOpenedRows * (sides.field + kMargin) / (sides.row + kMargin);
  SendMessageW(list, CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(1, rows)), 0);
}

void ListEntryDrawing::Set(ControlId list, std::span<const EntryPictures> pictures,
                           ListPictureSides sides) {
  Release(list);
  sides_ = sides;
  std::vector<EntryBitmaps>& bitmaps = bitmaps_[list];
  for (const EntryPictures& entry : pictures) {
    bitmaps.push_back({BitmapOf(entry.row, sides.row), BitmapOf(entry.field, sides.field)});
  }
}

void ListEntryDrawing::Release(ControlId list) {
  const auto found = bitmaps_.find(list);
  if (found == bitmaps_.end()) return;
  for (const EntryBitmaps& entry : found->second) {
    if (entry.row != nullptr) DeleteObject(entry.row);
    if (entry.field != nullptr) DeleteObject(entry.field);
  }
  bitmaps_.erase(found);
}

void ListEntryDrawing::Draw(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool field = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  const HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return;

  const int side = field ? sides_.field : sides_.row;
  RECT text = item.rcItem;
  text.left += kMargin;
  const auto found = bitmaps_.find(static_cast<ControlId>(item.CtlID));
  if (found != bitmaps_.end() && item.itemID < found->second.size()) {
    const EntryBitmaps& entry = found->second[item.itemID];
    const HBITMAP bitmap = field ? entry.field : entry.row;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - side) / 2;
    if (bitmap != nullptr) DrawBitmap(dc, bitmap, text.left, top, side);
    text.left += side + 2 * kMargin;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled   ? COLOR_GRAYTEXT
                               : selected ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_WINDOWTEXT));
  const std::wstring label = EntryText(item.hwndItem, item.itemID);
  DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    DrawFocusRect(dc, &item.rcItem);
  }
}

}  // namespace vestara
