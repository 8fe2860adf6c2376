#include "app/qt/clipboard_mime.h"

#include "app/qt/picture_image.h"

namespace vestara {

std::unique_ptr<QMimeData> MakeClipboardMime(const ClipboardPicture& picture) {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(QStringLiteral("image/png"),
                QByteArray(reinterpret_cast<const char*>(picture.png.data()),
                           static_cast<qsizetype>(picture.png.size())));
  mime->setImageData(ImageOf(picture.image, picture.opaque));
  return mime;
}

}  // namespace vestara
