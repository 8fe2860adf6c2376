#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/frame_tables.h"
#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"
#include "snapshot/snapshot.h"

namespace vestara {

// The drawing steps of one render, shared by the viewer dialog (CTaviselDlg::RenderView)
// and the command-line tool, so that both produce the same pictures.
//
// The command-line tool makes exactly the viewer's capture picture with
//   const auto image = RenderCapture(ToNativePath(gameFolder + "Data\\" + archiveName),
//                                    LookupFrame(category, position), zoomPercent,
//                                    backgroundColor, kDefaultFaceColor);
// after checking that the lookup did not give kNoFrame; nullopt means that there is no
// picture to save (a side of 0 pixels, or larger than kMaxSnapshotPixels).
// It reads the archive twice (measure, then paint) and keeps nothing.

// Windows' default colour of dialog and button faces: the margin around the frame.
inline constexpr Color kDefaultFaceColor = 0xF0F0F0;

// The fixed rectangle, 136 x 3 by 120 x 3 pixels, that every render stretches from the
// offscreen surface's origin.
inline constexpr Extent kStretchSourceSize{408, 360};

// The largest capture image (256 MiB of pixels). A frame's measured size comes from the
// archive, and a damaged one could otherwise ask for gigabytes.
inline constexpr std::int64_t kMaxSnapshotPixels = std::int64_t{1} << 26;

// ((zoomPercent * 136) / 100) * 3 by ((zoomPercent * 120) / 100) * 3.
Extent StretchDestinationSize(int zoomPercent);
// (frameWidth * zoomPercent / 100) by (frameHeight * zoomPercent / 100), remainders
// dropped; a side that does not fit an int is cut to the int's maximum.
Extent SnapshotImageSize(std::uint16_t frameWidth, std::uint16_t frameHeight, int zoomPercent);

// A frame painted over its background at the origin of an offscreen surface of
// 3 x width by 3 x height pixels filled with the face colour.
struct OffscreenFrame {
  // Only the part that the stretch reads (at most kStretchSourceSize) is held: the rest
  // would never be seen.
  PixelSurface surface;
  // The measured size; 9 x 17 when the archive is missing or unreadable.
  std::uint16_t width = 0;
  std::uint16_t height = 0;
};

// Measures the frame (first read of the archive at the native `archivePath`), makes the
// face-coloured offscreen surface and paints the frame into it (second read). A missing
// or unreadable archive gives the face-coloured surface of a 9 x 17 frame.
OffscreenFrame PaintOffscreenFrame(const std::string& archivePath, FrameIndex index,
                                   Color backgroundColor, Color faceColor);

// The screen picture: fills the whole `preview` with the face colour, then stretches the
// fixed source colour-on-colour onto the rectangle of StretchDestinationSize at its origin.
void DrawPreview(const OffscreenFrame& frame, int zoomPercent, Color faceColor,
                 PixelSurface& preview);

// The capture picture: an image of SnapshotImageSize, created black, onto which the fixed
// source is stretched (halftone at 50 % or less, colour-on-colour above) and clipped, so
// it holds the frame alone, scaled; pixels the stretch does not reach stay black. Source
// pixels beyond the offscreen surface count as `faceColor`. nullopt when the image would
// have a side of 0 pixels or more than kMaxSnapshotPixels pixels.
std::optional<SnapshotImage> MakeCaptureImage(const OffscreenFrame& frame, int zoomPercent,
                                              Color faceColor);

// PaintOffscreenFrame, then MakeCaptureImage.
std::optional<SnapshotImage> RenderCapture(const std::string& archivePath, FrameIndex index,
                                           int zoomPercent, Color backgroundColor, Color faceColor);

}  // namespace vestara
