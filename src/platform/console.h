#pragma once

#include <string>
#include <vector>

namespace vestara {

// The program's arguments as UTF-8, whatever the system hands over (on Windows the wide
// command line, so that any file name survives).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes a console show the program's UTF-8 output as text.
void UseUtf8Console();

// True when standard error is a terminal or console a person watches, not a file or pipe.
bool StandardErrorIsConsole();

}  // namespace vestara
