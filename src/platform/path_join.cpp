#include "platform/utf8_path.h"

namespace vestara {

std::string JoinPath(std::string_view folder, std::string_view relative) {
  return Utf8FromPath((PathFromUtf8(folder) / PathFromUtf8(relative)).make_preferred());
}

std::string ParentOf(std::string_view path) {
  return Utf8FromPath(PathFromUtf8(path).parent_path());
}

}  // namespace vestara
