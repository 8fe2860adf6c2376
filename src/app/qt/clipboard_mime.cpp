#include "app/qt/clipboard_mime.h"

#include <QImage>

namespace vestara {
namespace {

QImage ImageOf(const ClipboardPicture& picture) {
  const PixelSurface& pixels = picture.image;
  const bool transparent = !picture.opaque.empty();
  QImage image(pixels.Width(), pixels.Height(),
               transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  std::size_t index = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (const Color color : pixels.Row(y)) {
      const bool shown = !transparent || picture.opaque[index] != 0;
      ++index;
      *line++ = shown ? qRgb(RedOf(color), GreenOf(color), BlueOf(color)) : qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

}  // namespace

std::unique_ptr<QMimeData> MakeClipboardMime(const ClipboardPicture& picture) {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(QStringLiteral("image/png"),
                QByteArray(reinterpret_cast<const char*>(picture.png.data()),
                           static_cast<qsizetype>(picture.png.size())));
  mime->setImageData(ImageOf(picture));
  return mime;
}

}  // namespace vestara
