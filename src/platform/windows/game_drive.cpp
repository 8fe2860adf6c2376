#include "platform/game_drive.h"

namespace vestara {

std::string GameDriveRoot(char letter) {
  std::string root(1, letter);
  root.append(":/");
  return root;
}

}  // namespace vestara
