#pragma once

#include <windows.h>

namespace vestara {

// The header of a 32-bit device-independent bitmap of `width` x `height` pixels whose rows
// run from the top, as the preview and the list pictures are held.
BITMAPINFO TopDownDibInfo(int width, int height);

}  // namespace vestara
