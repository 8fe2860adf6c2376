#include "app/win32/clipboard_formats.h"

#include <cstring>
#include <span>
#include <vector>

#include "app/win32/clipboard_bitmaps.h"

namespace vestara {
namespace {

bool SetClipboardBytes(UINT format, std::span<const unsigned char> bytes) {
  if (format == 0 || bytes.empty()) return false;
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  // The clipboard owns the memory once it has taken it.
  if (SetClipboardData(format, memory) == nullptr) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

}  // namespace

bool PutPictureOnClipboard(HWND owner, const ClipboardPicture& picture) {
  if (OpenClipboard(owner) == FALSE) return false;
  bool put = EmptyClipboard() != FALSE;
  put = put && SetClipboardBytes(RegisterClipboardFormatW(L"PNG"), picture.png);
  put = put && SetClipboardBytes(CF_DIB, DibOf(picture));
  if (!picture.opaque.empty()) put = put && SetClipboardBytes(CF_DIBV5, DibV5Of(picture));
  CloseClipboard();
  return put;
}

}  // namespace vestara
