#include <iostream>
#include <string>
#include <vector>

#include "cli/vestara_sprite.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  vestara::UseUtf8Console();
  const std::vector<std::string> arguments = vestara::Utf8Arguments(argc, argv);
  std::vector<const char*> pointers;
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  return vestara::RunVestaraSprite(static_cast<int>(pointers.size()), pointers.data(), std::cout,
                                   std::cerr);
}
