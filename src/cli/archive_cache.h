#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace vestara {

// The game's archives for export jobs that run at once: each archive is read once while
// the items that use it are made, and the few read last stay in memory. Safe to use from
// several threads.
class ArchiveCache {
 public:
  // Null when the archive is missing or not an archive.
  using Archive = std::shared_ptr<const std::vector<std::uint8_t>>;

  // `kept` is how many archives stay in memory: at least one more than the threads that
  // use it, so that no thread's archive is dropped while another reads its next one.
  ArchiveCache(std::string gameFolder, std::size_t kept);

  Archive Get(const std::string& name);

 private:
  std::string gameFolder_;
  std::size_t kept_;
  std::mutex mutex_;
  // The most recently used first.
  std::vector<std::pair<std::string, Archive>> recent_;
};

}  // namespace vestara
