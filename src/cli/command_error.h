#pragma once

#include <stdexcept>
#include <string>

namespace vestara {

// The tool's exit codes; scripts rely on them.
enum class ExitCode : int {
  Success = 0,
  Usage = 1,        // bad arguments: the message and the usage go to stderr
  InputOutput = 2,  // a file could not be read or written: one line naming it
};

// Ends a command with an exit code and a one-line message for stderr.
class CommandError : public std::runtime_error {
 public:
  CommandError(ExitCode code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  ExitCode Code() const { return code_; }

 private:
  ExitCode code_;
};

inline CommandError UsageError(const std::string& message) {
  return CommandError(ExitCode::Usage, message);
}

// "<file>: <problem>".
inline CommandError FileError(const std::string& file, const std::string& problem) {
  return CommandError(ExitCode::InputOutput, file + ": " + problem);
}

}  // namespace vestara
