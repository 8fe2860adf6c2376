#include <gtest/gtest.h>

#include <filesystem>

#include "snapshot/snapshot.h"
#include "temp_working_directory.h"
#include "test_image.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;
using testutil::TempWorkingDirectory;
using testutil::TestImage;
using testutil::WriteBytes;

TEST(FindFreeSnapshotName, EmptyFolderGivesTheFirstNameThenTheNext) {
  TempWorkingDirectory folder;
  const std::string first = FindFreeSnapshotName();
  EXPECT_EQ(first, "G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), first) << "searching alone must not use a name up";
  ASSERT_TRUE(SaveSnapshot(TestImage(2, 2), first));
  EXPECT_EQ(FindFreeSnapshotName(), "G0000002.bmp");
}

TEST(FindFreeSnapshotName, FillsTheFirstGap) {
  TempWorkingDirectory folder;
  WriteBytes("G0000001.bmp", {1});
  WriteBytes("G0000003.bmp", {3});
  EXPECT_EQ(FindFreeSnapshotName(), "G0000002.bmp");
  WriteBytes("G0000002.bmp", {2});
  EXPECT_EQ(FindFreeSnapshotName(), "G0000004.bmp");
  fs::remove("G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp") << "every search starts again at 1";
}

TEST(FindFreeSnapshotName, OtherFilesDoNotCount) {
  TempWorkingDirectory folder;
  for (const char* name : {"G0000001.BMP", "G0000001.png", "G000001.bmp", "g0000001.bmp"}) {
    WriteBytes(name, {0});
  }
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");
}

// Names that cannot be opened for reading as a file still hold something that a
// capture must not replace.
TEST(FindFreeSnapshotName, AnythingUnderANameTakesIt) {
  TempWorkingDirectory folder;
  fs::create_directory("G0000001.bmp");
  fs::create_symlink("missing-target", "G0000002.bmp");
  WriteBytes("G0000003.bmp", {3});
  fs::permissions("G0000003.bmp", fs::perms::none);
  fs::create_symlink("G0000004.bmp", "G0000004.bmp");  // a link to itself
  EXPECT_EQ(FindFreeSnapshotName(), "G0000005.bmp");
}

}  // namespace
}  // namespace vestara
