// A capture into a folder that permission bits close, which needs a user they bind.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog_fixture.h"
#include "support/unprivileged_user.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(DialogTest, ACaptureThatCannotBeWrittenIsReportedAndLeavesNothing) {
  const auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(game_.Root(), anyWrite, fs::perm_options::remove);
  {
    ScopedUnprivilegedUser user;
    if (!user.Binding()) GTEST_SKIP() << "no user whom permission bits bind";
    dialog_.OnCapture();
  }
  fs::permissions(game_.Root(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(window_.status, "Save failed :G0000001.bmp");
  EXPECT_FALSE(fs::exists(Capture(1)));
}

}  // namespace
}  // namespace vestara::testing
