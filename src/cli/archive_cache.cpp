#include "cli/archive_cache.h"

#include <algorithm>
#include <optional>

#include "game/game_path.h"
#include "platform/file_io.h"
#include "sprite/archive_index.h"

namespace vestara {

ArchiveCache::ArchiveCache(std::string gameFolder, std::size_t kept)
    : gameFolder_(std::move(gameFolder)), kept_(std::max<std::size_t>(kept, 1)) {}

ArchiveCache::Archive ArchiveCache::Get(const std::string& name) {
  const std::lock_guard lock(mutex_);
  const auto found = std::find_if(recent_.begin(), recent_.end(),
                                  [&](const auto& entry) { return entry.first == name; });
  if (found != recent_.end()) {
    std::rotate(recent_.begin(), found, found + 1);
    return recent_.front().second;
  }
  // Read under the lock: a job that needs the same archive would wait for it anyway.
  Archive archive;
  std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(ArchivePathIn(gameFolder_, name));
  if (bytes && ReadArchiveIndex(*bytes)) {
    archive = std::make_shared<const std::vector<std::uint8_t>>(std::move(*bytes));
  }
  if (recent_.size() == kept_) recent_.pop_back();
  recent_.emplace(recent_.begin(), name, archive);
  return archive;
}

}  // namespace vestara
