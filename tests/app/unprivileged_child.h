#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vestara::testing {

// Runs `work` in a child process that permission bits bind: as the user "nobody" when the
// test runs as root (root passes every permission check), else as the test's own user.
// Returns what `work` returned; nullopt when the child cannot become that user (the caller
// then skips). A child that dies is a test failure.
std::optional<std::string> RunInUnprivilegedChild(const std::function<std::string()>& work);

}  // namespace vestara::testing
