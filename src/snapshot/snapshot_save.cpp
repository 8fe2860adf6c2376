#include <algorithm>
#include <cctype>
#include <string_view>

#include "platform/file_io.h"
#include "snapshot/bmp_encoding.h"
#include "snapshot/png_encoding.h"
#include "snapshot/snapshot.h"

namespace vestara {
namespace {

// The lower-cased extension of the name's last component, from its last dot; empty
// without one.
std::string ExtensionOf(std::string_view name) {
  const std::size_t slash = name.find_last_of('/');
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const std::size_t dot = last.find_last_of('.');
  if (dot == std::string_view::npos) return {};
  std::string extension(last.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// Each lost race means another file appeared; the bound only guards against a directory
// that keeps changing under the search.
constexpr int kMaxNameRaces = 1000;

// Encodes completely before the file exists, so a failed encoding leaves nothing behind.
bool SaveEncoded(const std::vector<unsigned char>& encoded, const std::string& name) {
  return !encoded.empty() && WriteNewFile(name, encoded);
}

}  // namespace

bool SaveSnapshot(const SnapshotImage& image, const std::string& name) {
  const std::string extension = ExtensionOf(name);
  if (extension == ".bmp") return SaveEncoded(EncodeBmp24(image), name);
  if (extension == ".png") return SaveEncoded(EncodePng(image), name);
  return false;
}

SnapshotSaveResult SaveNextSnapshot(const SnapshotImage& image) {
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
