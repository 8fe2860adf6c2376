#pragma once

#include <QMimeData>
#include <memory>

#include "app/clipboard_picture.h"

namespace vestara {

// The picture as chat programs, browsers and image editors on X11 and Wayland take it: the
// PNG as "image/png" and a QImage (with alpha when the picture is transparent), which Qt
// offers in every image format it can write.
std::unique_ptr<QMimeData> MakeClipboardMime(const ClipboardPicture& picture);

}  // namespace vestara
