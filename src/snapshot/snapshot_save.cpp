#include "platform/file_io.h"
#include "snapshot/bmp_encoding.h"
#include "snapshot/snapshot.h"

namespace vestara {
namespace {

// Each lost race means another file appeared; the bound only guards against a directory
// that keeps changing under the search.
constexpr int kMaxNameRaces = 1000;

}  // namespace

SnapshotSaveResult SaveNextSnapshot(const SnapshotImage& image) {
  // Encoded completely before the file exists, so a failed encoding leaves nothing behind.
  const std::vector<unsigned char> encoded = EncodeBmp24(image);
  SnapshotSaveResult result;
  for (int race = 0; race < kMaxNameRaces; ++race) {
    result.name = FindFreeSnapshotName();
    if (result.name.empty() || encoded.empty()) return result;
    const NewFileResult created = CreateNewFile(result.name, encoded);
    if (created != NewFileResult::NameTaken) {
      result.saved = created == NewFileResult::Written;
      return result;
    }
  }
  return result;
}

}  // namespace vestara
