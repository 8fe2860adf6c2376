#include "app/win32/viewer_window.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/dialog_template.h"
#include "app/list_labels.h"
#include "app/win32/dialog_template_bytes.h"
#include "platform/windows/wide_text.h"
#include "render/render_pipeline.h"

namespace vestara {
namespace {

// Posted when a message must wait for the paint under way to finish.
constexpr UINT kShowPendingMessage = WM_APP + 1;

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

ViewerWindow::ViewerWindow() : dialog_(*this) {}

INT_PTR ViewerWindow::Run(HINSTANCE instance) {
  const std::vector<std::uint16_t> dialogTemplate = BuildDialogTemplate();
  faceBrush_ = CreateSolidBrush(ColorRefOf(FaceColor()));
  const INT_PTR result =
      DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                              nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  DeleteObject(faceBrush_);
  return result;
}

INT_PTR CALLBACK ViewerWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<ViewerWindow*>(lParam)->window_ = window;
  }
  auto* self = reinterpret_cast<ViewerWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  return self != nullptr ? self->Handle(message, wParam) : FALSE;
}

INT_PTR ViewerWindow::Handle(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;  // the dialog manager focuses the first tab stop, the weapon list
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(window_, IDCANCEL);
        return TRUE;
      }
      // Notifications stop once the dialog has ended and while its message is up.
      if (!dialog_.Ended() && !messageActive_) dialog_.OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_SIZE:
      ResizePreview();
      return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // The dialog's face is the colour the preview is drawn on, as on every system.
      SetBkColor(reinterpret_cast<HDC>(wParam), ColorRefOf(FaceColor()));
      return reinterpret_cast<INT_PTR>(faceBrush_);
    case kShowPendingMessage:
      RunMessageBox();
      messageActive_ = false;
      if (endAfterMessage_) EndDialog(window_, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

void ViewerWindow::OnInitDialog() {
  for (const TemplateControl& control : DialogTemplate()) {
    if (!control.id) continue;
    for (const std::string_view label : ListLabels(*control.id)) {
      SendMessageW(Control(*control.id), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(WideFromUtf8(label).c_str()));
    }
  }
  RECT picture{};
  GetWindowRect(Control(kPicture), &picture);
  previewOrigin_ = {picture.left, picture.top};
  ScreenToClient(window_, &previewOrigin_);
  ResizePreview();
  dialog_.OnInitDialog();
}

void ViewerWindow::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  if (!previewFresh_ && !dialog_.Ended() && !messageActive_) {
    painting_ = true;
    dialog_.OnPaint();
    painting_ = false;
  }
  previewFresh_ = false;
  const int width = preview_.Width();
  const int height = preview_.Height();
  if (width > 0 && height > 0) {
    // 0x00BBGGRR pixels become the 0x00RRGGBB of a 32-bit DIB; copied one to one, never
    // smoothed.
    std::vector<std::uint32_t> bgrx(preview_.Pixels().begin(), preview_.Pixels().end());
    for (std::uint32_t& pixel : bgrx) {
      pixel = (pixel & 0x00FF00) | ((pixel & 0xFF) << 16) | ((pixel >> 16) & 0xFF);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, previewOrigin_.x, previewOrigin_.y, static_cast<DWORD>(width),
                      static_cast<DWORD>(height), 0, 0, 0, static_cast<UINT>(height), bgrx.data(),
                      &info, DIB_RGB_COLORS);
  }
  EndPaint(window_, &paint);
}

void ViewerWindow::ResizePreview() {
  RECT client{};
  GetClientRect(window_, &client);
  preview_ =
      PixelSurface(std::max(0, static_cast<int>(client.right - previewOrigin_.x)),
                   std::max(0, static_cast<int>(client.bottom - previewOrigin_.y)), FaceColor());
  // The new surface holds no picture yet: the next paint renders one.
  previewFresh_ = false;
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

void ViewerWindow::ShowMessage(const std::string& text) {
  messageActive_ = true;
  pendingMessage_ = WideFromUtf8(text);
  if (painting_) {
    // A modal loop inside a paint would paint this window again before this paint ends:
    // the box comes up as soon as the paint is done.
    PostMessageW(window_, kShowPendingMessage, 0, 0);
    return;
  }
  RunMessageBox();
  messageActive_ = false;
}

void ViewerWindow::RunMessageBox() {
  MessageBoxW(window_, pendingMessage_.c_str(), WideFromUtf8(kDialogCaption).c_str(),
              MB_OK | MB_ICONWARNING);
}

void ViewerWindow::EndDialogOk() {
  if (messageActive_) {
    endAfterMessage_ = true;
    return;
  }
  EndDialog(window_, IDOK);
}

Color ViewerWindow::FaceColor() const { return kDefaultFaceColor; }

PixelSurface& ViewerWindow::PreviewSurface() { return preview_; }

void ViewerWindow::PresentPreview() {
  if (painting_) return;  // the paint under way shows it
  previewFresh_ = true;
  const RECT area{previewOrigin_.x, previewOrigin_.y, previewOrigin_.x + preview_.Width(),
                  previewOrigin_.y + preview_.Height()};
  InvalidateRect(window_, &area, FALSE);
}

}  // namespace vestara
