#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "snapshot/snapshot.h"
#include "temp_working_directory.h"
#include "test_image.h"

namespace vestara {
namespace {

namespace fs = std::filesystem;
using testutil::ReadBytes;
using testutil::TempWorkingDirectory;
using testutil::TestImage;
using testutil::WriteBytes;

bool FolderIsEmpty() { return fs::is_empty(fs::current_path()); }

TEST(SaveSnapshot, NeverReplacesWhatExists) {
  TempWorkingDirectory folder;
  const std::vector<unsigned char> earlier = {'B', 'M', 1, 2, 3};
  for (const char* name : {"G0000001.bmp", "G0000001.png"}) {
    WriteBytes(name, earlier);
    EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), name)) << name;
    EXPECT_EQ(ReadBytes(name), earlier) << name;
  }
}

TEST(SaveSnapshot, DoesNotWriteThroughALink) {
  TempWorkingDirectory folder;
  fs::create_symlink("target.bmp", "G0000001.bmp");
  EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), "G0000001.bmp"));
  EXPECT_FALSE(fs::exists("target.bmp"));
  fs::create_directory("G0000002.bmp");
  EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), "G0000002.bmp"));
}

TEST(SaveSnapshot, EmptyImageFailsAndLeavesNoFile) {
  TempWorkingDirectory folder;
  for (const SnapshotImage& image : {SnapshotImage(0, 12), SnapshotImage(20, 0), SnapshotImage()}) {
    EXPECT_FALSE(SaveSnapshot(image, "G0000001.bmp"));
    EXPECT_FALSE(SaveSnapshot(image, "G0000001.png"));
  }
  EXPECT_TRUE(FolderIsEmpty());
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");
}

TEST(SaveSnapshot, TheExtensionChoosesTheFormat) {
  TempWorkingDirectory folder;
  fs::create_directory("sub.png");
  for (const char* name : {"G0000001", "G0000001.jpg", "G0000001.bmp.txt", "G0000001.bm", "bmp",
                           "sub.png/G0000001", ""}) {
    EXPECT_FALSE(SaveSnapshot(TestImage(2, 2), name)) << name;
  }
  EXPECT_TRUE(fs::is_empty("sub.png"));
  fs::remove("sub.png");
  EXPECT_TRUE(FolderIsEmpty());

  const std::pair<const char*, const char*> saved[] = {
      {"a.bmp", "BM"},      {"b.BMP", "BM"},      {"c.Bmp", "BM"},       {".bmp", "BM"},
      {"d.png", "\x89PNG"}, {"e.PNG", "\x89PNG"}, {"f.x.png", "\x89PNG"}};
  for (const auto& [name, magic] : saved) {
    ASSERT_TRUE(SaveSnapshot(TestImage(2, 2), name)) << name;
    const auto bytes = ReadBytes(name);
    const std::string_view start(magic);
    ASSERT_GE(bytes.size(), start.size());
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(bytes.data()), start.size()), start)
        << name;
  }
}

TEST(SaveSnapshot, FailsWhereTheFolderIsMissing) {
  TempWorkingDirectory folder;
  EXPECT_FALSE(SaveSnapshot(TestImage(2, 2), "missing/G0000001.bmp"));
  EXPECT_TRUE(FolderIsEmpty());
}

// A write cut short (here by a file size limit) must fail and take its partial file away.
TEST(SaveSnapshot, ShortWriteFailsAndRemovesThePartialFile) {
  TempWorkingDirectory folder;
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool savedBmp = SaveSnapshot(TestImage(50, 50), "G0000001.bmp");
  const bool savedPng = SaveSnapshot(TestImage(50, 50), "a.png");
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(savedBmp);
  EXPECT_FALSE(savedPng);
  EXPECT_TRUE(FolderIsEmpty());
}

}  // namespace
}  // namespace vestara
