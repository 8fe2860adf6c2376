#include "app/win32/viewer_window.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "app/dialog_template.h"
#include "app/entry_pictures.h"
#include "app/list_labels.h"
#include "app/win32/clipboard_formats.h"
#include "app/win32/dialog_face_choice.h"
#include "app/win32/dialog_template_bytes.h"
#include "app/win32/folder_message.h"
#include "app/win32/installed_faces.h"
#include "app/win32/list_captions.h"
#include "app/win32/top_down_dib.h"
#include "app/win32/window_growth.h"
#include "platform/windows/wide_text.h"
#include "render/view_geometry.h"

namespace vestara {
namespace {

// Posted to run the tasks queued by PostTask.
constexpr UINT kRunPostedTasks = WM_APP + 1;

COLORREF ColorRefOf(Color color) { return RGB(RedOf(color), GreenOf(color), BlueOf(color)); }

// The last radio button of the group that starts at `firstRadio`, in template order.
int LastRadioOf(ControlId firstRadio) {
  int last = firstRadio;
  bool inGroup = false;
  for (const TemplateControl& control : DialogTemplate()) {
    if (!control.id) continue;
    if (*control.id == firstRadio) {
      inGroup = true;
    } else if (inGroup && control.kind == TemplateControlKind::Radio) {
      last = *control.id;
    } else if (inGroup) {
      break;
    }
  }
  return last;
}

}  // namespace

ViewerWindow::ViewerWindow(std::wstring messageDetail, bool offersFolderChoice)
    : messageDetail_(std::move(messageDetail)),
      offersFolderChoice_(offersFolderChoice),
      host_(*this),
      copyKeys_([this](CopyKind kind) { host_.Copy(kind); }) {}

INT_PTR ViewerWindow::Run(HINSTANCE instance) {
  // Where the template's face is missing (Windows in other languages without the Japanese
  // supplemental fonts) its captions would show as boxes: a Japanese face Windows ships
  // takes its place.
  const std::vector<std::uint16_t> dialogTemplate =
      BuildDialogTemplate(ChooseDialogFace(IsJapaneseFaceInstalled));
  faceBrush_ = CreateSolidBrush(ColorRefOf(kDefaultFaceColor));
  const INT_PTR result =
      DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                              nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  DeleteObject(faceBrush_);
  return result;
}

INT_PTR CALLBACK ViewerWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    // Asked while the lists are made, before WM_INITDIALOG: the dialog's font decides.
    ListEntryDrawing::Measure(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<ViewerWindow*>(lParam)->window_ = window;
  }
  auto* self = reinterpret_cast<ViewerWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR ViewerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;  // the dialog manager focuses the first tab stop, the weapon list
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(window_, IDCANCEL);
        return TRUE;
      }
      host_.Notify(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_SIZE:
      ResizePreview();
      return FALSE;
    case WM_DRAWITEM:
      listEntries_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // The dialog's face is the colour the preview is drawn on, as on every system.
      SetBkColor(reinterpret_cast<HDC>(wParam), ColorRefOf(kDefaultFaceColor));
      return reinterpret_cast<INT_PTR>(faceBrush_);
    case kRunPostedTasks:
      RunPostedTasks();
      return TRUE;
    default:
      return FALSE;
  }
}

void ViewerWindow::OnInitDialog() {
  const ItemNames itemNames = LoadItemNames();
  for (const TemplateControl& control : DialogTemplate()) {
    if (!control.id) continue;
    for (const std::string& label : ListLabels(*control.id, itemNames)) {
      SendMessageW(Control(*control.id), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(WideFromUtf8(label).c_str()));
    }
  }
  for (const ControlId list : PictureLists()) {
    ListEntryDrawing::KeepOpenedHeight(window_, Control(list));
  }
  RECT picture{};
  GetWindowRect(Control(kPicture), &picture);
  previewOrigin_ = {picture.left, picture.top};
  ScreenToClient(window_, &previewOrigin_);
  ResizePreview();
  copyKeys_.Watch(window_, Control(kStatusEdit));
  NameListsByTheirCaptions(window_);
  host_.Open();
}

void ViewerWindow::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  const PixelSurface& preview = host_.Paint();
  const int width = preview.Width();
  const int height = preview.Height();
  if (width > 0 && height > 0) {
    // 0x00BBGGRR pixels become the 0x00RRGGBB of a 32-bit DIB; copied one to one, never
    // smoothed.
    std::vector<std::uint32_t> bgrx(preview.Pixels().begin(), preview.Pixels().end());
    for (std::uint32_t& pixel : bgrx) {
      pixel = (pixel & 0x00FF00) | ((pixel & 0xFF) << 16) | ((pixel >> 16) & 0xFF);
    }
    const BITMAPINFO info = TopDownDibInfo(width, height);
    SetDIBitsToDevice(dc, previewOrigin_.x, previewOrigin_.y, static_cast<DWORD>(width),
                      static_cast<DWORD>(height), 0, 0, 0, static_cast<UINT>(height), bgrx.data(),
                      &info, DIB_RGB_COLORS);
  }
  EndPaint(window_, &paint);
}

void ViewerWindow::ResizePreview() {
  RECT client{};
  GetClientRect(window_, &client);
  host_.ResizePreview(client.right - previewOrigin_.x, client.bottom - previewOrigin_.y);
}

void ViewerWindow::RunPostedTasks() {
  // A task may post again (or run a modal loop that handles this message again): each runs
  // once, in order.
  while (!posted_.empty()) {
    std::function<void()> task = std::move(posted_.front());
    posted_.erase(posted_.begin());
    task();
  }
}

int ViewerWindow::CurrentSelection(ControlId list) const {
  const LRESULT selection = SendMessageW(Control(list), CB_GETCURSEL, 0, 0);
  return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void ViewerWindow::SelectEntry(ControlId list, int position) {
  SendMessageW(Control(list), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int ViewerWindow::CheckedRadio(ControlId firstRadio) const {
  const int last = LastRadioOf(firstRadio);
  for (int id = firstRadio; id <= last; ++id) {
    if (IsDlgButtonChecked(window_, id) == BST_CHECKED) return id - firstRadio;
  }
  return -1;
}

void ViewerWindow::CheckRadio(ControlId firstRadio, int index) {
  const int last = LastRadioOf(firstRadio);
  for (int id = firstRadio; id <= last; ++id) {
    CheckDlgButton(window_, id, id - firstRadio == index ? BST_CHECKED : BST_UNCHECKED);
  }
}

std::string ViewerWindow::StatusText() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Control(kStatusEdit))) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(Control(kStatusEdit), text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

void ViewerWindow::SetStatusText(const std::string& text) {
  SetWindowTextW(Control(kStatusEdit), WideFromUtf8(text).c_str());
}

void ViewerWindow::EnableButton(ControlId button, bool enabled) {
  EnableWindow(Control(button), enabled ? TRUE : FALSE);
}

void ViewerWindow::InvalidatePreview() {
  const PixelSurface& preview = host_.PreviewSurface();
  const RECT area{previewOrigin_.x, previewOrigin_.y, previewOrigin_.x + preview.Width(),
                  previewOrigin_.y + preview.Height()};
  InvalidateRect(window_, &area, FALSE);
}

ListPictureSides ViewerWindow::PictureSides() const {
  return PictureSidesForLine(ListEntryDrawing::LineHeight(window_));
}

void ViewerWindow::SetListPictures(ControlId list, std::span<const EntryPictures> pictures) {
  listEntries_.Set(list, pictures, PictureSides());
  InvalidateRect(Control(list), nullptr, FALSE);
}

void ViewerWindow::ShowWholePreview(Extent picture) {
  GrowClientTo(window_, previewOrigin_.x + picture.width, previewOrigin_.y + picture.height);
}

bool ViewerWindow::PutOnClipboard(const ClipboardPicture& picture) {
  return PutPictureOnClipboard(window_, picture);
}

void ViewerWindow::RunMessage(const std::string& text) {
  MessageBoxW(window_, WideFromUtf8(text).c_str(), WideFromUtf8(kDialogCaption).c_str(),
              MB_OK | MB_ICONWARNING);
}

std::optional<std::string> ViewerWindow::RunFolderMessage(const std::string& text) {
  const std::optional<std::wstring> folder =
      AskForGameFolder(window_, WideFromUtf8(text), messageDetail_);
  if (!folder) return std::nullopt;
  return Utf8FromWide(*folder);
}

void ViewerWindow::PostTask(std::function<void()> task) {
  posted_.push_back(std::move(task));
  PostMessageW(window_, kRunPostedTasks, 0, 0);
}

void ViewerWindow::EndDialog() { ::EndDialog(window_, IDOK); }

}  // namespace vestara
