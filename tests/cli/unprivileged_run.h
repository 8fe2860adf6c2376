#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vestara::clitest {

// Runs the tool like ToolTest::Run, but so that permission bits bind it: as the user
// "nobody" when the test runs as root (root passes every permission check), else as the
// test's own user. nullopt when that user cannot reach the tool or the working directory;
// the caller then skips.
std::optional<ToolRun> RunUnprivileged(const ToolTest& tool,
                                       const std::vector<std::string>& arguments);

}  // namespace vestara::clitest
