#pragma once

#include <optional>
#include <string>

#include "graphics/color.h"
#include "render/frame_picture.h"

namespace vestara {

// With the background as it is, or transparent.
enum class CopyKind { Opaque, Transparent };

// The picture that a capture of the frame at the native `archivePath` would save now, for
// the clipboard. Opaque: the capture's own picture, pixel for pixel. Transparent: the same
// size and the same frame pixels under each picture pixel, but a pixel is opaque only where
// the frame is drawn (reduced, where at least half of the frame pixels under it are) and
// then takes the average of the drawn ones; an archive or frame that cannot be decoded
// gives the opaque capture picture (the face-coloured 9 x 17 one) instead. Nullopt when a
// capture would make no picture.
std::optional<FramePicture> MakeCopyPicture(const std::string& archivePath, FrameIndex index,
                                            int zoomPercent, Color background, CopyKind kind);

}  // namespace vestara
