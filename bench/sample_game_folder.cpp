#include "sample_game_folder.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "cli/vestara_sprite.h"

namespace vestara::bench {

namespace fs = std::filesystem;

const SampleGameFolder& SampleGameFolder::Get() {
  static const SampleGameFolder folder;
  return folder;
}

SampleGameFolder::SampleGameFolder()
    : root_(fs::temp_directory_path() / ("vestara-bench-" + std::to_string(getpid()))) {
  fs::remove_all(root_);
  fs::create_directories(root_);
  const std::string game = Game().string();
  const char* const arguments[] = {"vestara-sprite", "sample-game", game.c_str()};
  std::ostringstream out;
  std::ostringstream err;
  if (RunVestaraSprite(3, arguments, out, err) != 0) {
    throw std::runtime_error("sample-game failed: " + err.str());
  }
  std::ofstream(root_ / "filepath.txt") << game << "/\n";
}

SampleGameFolder::~SampleGameFolder() {
  std::error_code error;
  fs::remove_all(root_, error);
}

}  // namespace vestara::bench
