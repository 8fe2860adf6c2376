#pragma once

#include <optional>
#include <string>

#include "graphics/color.h"
#include "render/frame_picture.h"

namespace vestara {

// With the background as it is, or transparent.
enum class CopyKind { Opaque, Transparent };

// The picture that a capture of the frame at the native `archivePath` would save now, for
// the clipboard. Opaque: the capture's own picture, pixel for pixel. Transparent: the frame's
// transparent picture (MakeFramePicture without a background), opaque only where the
// capture shows the frame; an archive or frame that cannot be decoded gives the opaque
// capture picture (the face-coloured 9 x 17 one) instead. Nullopt when a capture would make
// no picture.
std::optional<FramePicture> MakeCopyPicture(const std::string& archivePath, FrameIndex index,
                                            int zoomPercent, Color background, CopyKind kind);

}  // namespace vestara
