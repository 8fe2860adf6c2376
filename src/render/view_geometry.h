#pragma once

#include <array>
#include <cstdint>

#include "graphics/color.h"
#include "graphics/stretch.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// The viewer's fixed measures, each defined here once.

// The zooms the viewer steps through, in per cent.
inline constexpr std::array<int, 4> kZoomSteps{50, 100, 200, 300};

// Windows' default colour of dialog and button faces: the dialog's face, and the margin
// around the frame on the offscreen surface.
inline constexpr Color kDefaultFaceColor = 0xF0F0F0;

// The picture area in units of three pixels.
inline constexpr Extent kPictureAreaThirds{136, 120};
// The fixed rectangle that every render stretches from the offscreen surface's origin.
inline constexpr Extent kStretchSourceSize{3 * kPictureAreaThirds.width,
                                           3 * kPictureAreaThirds.height};

// The largest picture made (256 MiB of pixels). A frame's size comes from the archive, and a
// damaged one could otherwise ask for gigabytes.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;

// ((zoomPercent * 136) / 100) * 3 by ((zoomPercent * 120) / 100) * 3.
Extent StretchDestinationSize(int zoomPercent);
// A size at a zoom: (width * zoomPercent / 100) by (height * zoomPercent / 100), remainders
// dropped; a side that does not fit an int is cut to the int's maximum.
Extent ZoomedSize(FrameSize size, int zoomPercent);
// The part of the preview that shows the frame itself: its ZoomedSize, cut to the
// StretchDestinationSize that the fixed source is stretched onto.
Extent ShownPictureSize(FrameSize size, int zoomPercent);
// How a picture at a zoom is scaled: halftone at 50 % and below (reduced pictures average
// their pixels), colour-on-colour above. The screen always takes colour-on-colour.
StretchMode PictureStretchMode(int zoomPercent);
// Whether a picture of `size` may be made: no side of 0 pixels and at most kMaxPicturePixels.
bool IsMakeablePicture(Extent size);

}  // namespace vestara
