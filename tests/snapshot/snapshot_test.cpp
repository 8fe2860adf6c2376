#include "snapshot/snapshot.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "snapshot/image_encoding.h"
#include "support/decoded_image.h"
#include "support/scoped_test_directory.h"

namespace vestara::test {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;

// Every pixel and channel differs from its neighbours, so that a swapped channel, a flipped
// row or a shifted column shows.
Color TestColor(int x, int y) {
  return MakeColor(std::uint8_t(10 + 40 * x + y), std::uint8_t(100 + 30 * y + x),
                   std::uint8_t(200 + 7 * x + 3 * y));
}

SnapshotImage TestImage(int width, int height) {
  SnapshotImage image(width, height);
  for (int i = 0; i < width * height; ++i)
    image.SetPixel(i % width, i / width, TestColor(i % width, i / width));
  return image;
}

void Put(const std::string& name, const std::string& bytes = "x") {
  testing::WriteBinaryFile(fs::current_path() / name, bytes);
}

// Each test runs in a fresh, empty working directory.
class SnapshotTest : public ::testing::Test {
  testing::ScopedTestDirectory directory_;
  testing::ScopedWorkingDirectory workingDirectory_{directory_.root()};
};

TEST_F(SnapshotTest, TheFirstFreeNameSkipsAnythingThatExists) {
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");  // searching alone uses no name up
  Put("G0000001.bmp");
  Put("G0000003.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000002.bmp");
  // Names that cannot be opened for reading as a file still hold something.
  fs::create_directory("G0000002.bmp");
  fs::create_symlink("missing-target", "G0000004.bmp");
  Put("G0000005.bmp");
  fs::permissions("G0000005.bmp", fs::perms::none);
  fs::create_symlink("G0000006.bmp", "G0000006.bmp");  // a link to itself
  EXPECT_EQ(FindFreeSnapshotName(), "G0000007.bmp");
}

TEST_F(SnapshotTest, RefusedSavesTouchNothing) {
  Put("G0000001.bmp", "earlier");
  fs::create_symlink("target.bmp", "link.bmp");
  fs::create_directory("sub.png");
  for (const char* name : {"G0000001.bmp", "link.bmp", "sub.png", "G0000002", "G0000002.jpg",
                           "missing/G0000002.bmp", ""}) {
    EXPECT_FALSE(SaveSnapshot(TestImage(2, 2), name)) << name;
  }
  EXPECT_FALSE(SaveSnapshot(SnapshotImage(0, 12), "G0000002.bmp"));
  EXPECT_EQ(ReadBinaryFile("G0000001.bmp"), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 3);
}

// A write cut short (here by a file size limit) must fail and take its partial file away.
TEST_F(SnapshotTest, ShortWriteFailsAndRemovesThePartialFile) {
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved =
      SaveSnapshot(TestImage(50, 50), "G0000001.bmp") || SaveSnapshot(TestImage(50, 50), "a.png");
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(fs::is_empty("."));
}

// Both headers, no palette, then bottom-up BGR rows padded with zeros to 4 bytes. The case of
// the extension does not matter.
TEST_F(SnapshotTest, BmpIsUncompressed24BitBottomUpWithPaddedRows) {
  constexpr int kHeight = 3;
  for (int width = 1; width <= 7; ++width) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> expected{'B', 'M'};
    for (const int word : {54 + rowBytes * kHeight, 0, 54, 40, width, kHeight, 1 | 24 << 16}) {
      for (int i = 0; i < 4; ++i) expected.push_back(std::uint8_t(word >> 8 * i));
    }
    expected.resize(54);
    for (int y = kHeight - 1; y >= 0; --y) {
      for (int x = 0; x < width; ++x) {
        const Color color = TestColor(x, y);
        expected.insert(expected.end(), {BlueOf(color), GreenOf(color), RedOf(color)});
      }
      expected.resize(expected.size() + rowBytes - width * 3);
    }
    const std::string name = std::to_string(width) + (width == 1 ? ".BMP" : ".bmp");
    ASSERT_TRUE(SaveSnapshot(TestImage(width, kHeight), name));
    EXPECT_EQ(testing::ReadBytes(name), expected) << width;
  }
}

// Two processes save 100 pictures each in lockstep: before every save each spins until the
// other is there too, so that their searches meet on the same free name.
TEST_F(SnapshotTest, TwoProcessesSavingAtOnceKeepEveryPicture) {
  void* shared = mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                      MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(shared, MAP_FAILED);
  auto* arrived = new (shared) std::atomic<int>(0);
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = fork();
    if (children[i] == 0) {
      bool allSaved = true;
      for (int save = 1; save <= 100; ++save) {
        // Each round in a folder of its own, where both searches are short.
        fs::create_directory(std::to_string(save));
        ++*arrived;
        // A partner that died leaves this one waiting: give up after a few seconds' spinning.
        for (long spin = 0; *arrived < 2 * save; ++spin) {
          if (spin > 4'000'000'000) _exit(2);
        }
        const testing::ScopedWorkingDirectory inRound(std::to_string(save));
        allSaved = SaveNextSnapshot(TestImage(i + 1, 1)).saved && allSaved;
      }
      _exit(allSaved ? 0 : 1);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  munmap(shared, sizeof(std::atomic<int>));
  // 100 folders holding two pictures each: no picture replaced another.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator("."), {}), 300);
}

TEST_F(SnapshotTest, PngDecodesToTheSamePixelsAndAlphaFollowsTheMask) {
  const std::vector<bool> opaque = {true, false, true, false, false, true};
  ASSERT_TRUE(SaveSnapshot(TestImage(3, 2), "rgb.Png"));
  ASSERT_TRUE(WriteNewFile("rgba.png", EncodePngWithAlpha(TestImage(3, 2), opaque)));
  for (const auto& [name, channels] : {std::pair{"rgb.Png", 3}, {"rgba.png", 4}}) {
    const auto image = testing::DecodeImage(name);
    ASSERT_TRUE(image && image->width == 3 && image->height == 2) << name;
    EXPECT_EQ(image->channelsInFile, channels);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(image->Rgb(i % 3, i / 3), TestColor(i % 3, i / 3)) << name << i;
      EXPECT_EQ(image->Alpha(i % 3, i / 3), channels == 3 || opaque[i] ? 255 : 0) << name << i;
    }
  }
  EXPECT_TRUE(EncodePngWithAlpha(TestImage(3, 2), std::vector<bool>(5, true)).empty());
}

}  // namespace
}  // namespace vestara::test
