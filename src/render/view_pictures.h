#pragma once

#include <optional>

#include "graphics/color.h"
#include "graphics/pixel_surface.h"
#include "render/offscreen_frame.h"
#include "snapshot/snapshot.h"

namespace vestara {

// The two pictures the viewer makes of an offscreen frame, for the same zoom.

// The screen picture: the fixed source stretched colour-on-colour onto the rectangle of
// StretchDestinationSize at the preview's origin (clipped to it), the rest of `preview` in
// the face colour.
void DrawPreview(const OffscreenFrame& frame, int zoomPercent, PixelSurface& preview);

// The capture picture: an image of the frame's ZoomedSize, created black, onto which the
// fixed source is stretched (PictureStretchMode) and clipped,
// so it holds the frame alone, scaled; pixels the stretch does not reach stay black. Source
// pixels beyond the offscreen surface count as the face colour. Nullopt when the image
// would have a side of 0 pixels or more than kMaxPicturePixels pixels.
std::optional<SnapshotImage> MakeCaptureImage(const OffscreenFrame& frame, int zoomPercent);

}  // namespace vestara
