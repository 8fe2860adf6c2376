#include <iostream>

#include "cli/vestara_sprite.h"

int main(int argc, char** argv) {
  return vestara::RunVestaraSprite(argc, argv, std::cout, std::cerr);
}
