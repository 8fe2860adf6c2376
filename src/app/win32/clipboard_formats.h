#pragma once

#include <windows.h>

#include "app/clipboard_picture.h"

namespace vestara {

// Replaces the clipboard's contents, owned by `owner`, with the picture as the registered
// "PNG" format (which Wine also hands to X11 as image/png), as CF_DIB and, when it is
// transparent, as CF_DIBV5 with its alpha. False when the clipboard could not be opened or
// a format could not be set.
bool PutPictureOnClipboard(HWND owner, const ClipboardPicture& picture);

}  // namespace vestara
