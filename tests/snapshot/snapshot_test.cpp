#include "snapshot/snapshot.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "snapshot/image_encoding.h"
#include "snapshot/new_file.h"
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
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, TestColor(x, y));
  }
  return image;
}

// Each test runs in a fresh, empty working directory.
class SnapshotTest : public ::testing::Test {
 protected:
  void Put(const std::string& name, const std::string& bytes = "x") {
    testing::WriteBinaryFile(directory_.root() / name, bytes);
  }

  testing::ScopedTestDirectory directory_;
  testing::ScopedWorkingDirectory workingDirectory_{directory_.root()};
};

TEST_F(SnapshotTest, TheFirstFreeNameIsSearchedFromOneAndAnythingThereTakesIt) {
  for (const char* name : {"G0000001.BMP", "G0000001.png", "G000001.bmp", "g0000001.bmp"}) {
    Put(name);
  }
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");  // searching alone uses no name up
  ASSERT_TRUE(SaveSnapshot(TestImage(2, 2), "G0000001.bmp"));
  Put("G0000003.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000002.bmp");
  Put("G0000002.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000004.bmp");
  fs::remove("G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");

  // Names that cannot be opened for reading as a file still hold something.
  fs::create_directory("G0000001.bmp");
  fs::create_symlink("missing-target", "G0000004.bmp");
  Put("G0000005.bmp");
  fs::permissions("G0000005.bmp", fs::perms::none);
  fs::create_symlink("G0000006.bmp", "G0000006.bmp");  // a link to itself
  EXPECT_EQ(FindFreeSnapshotName(), "G0000007.bmp");
}

TEST_F(SnapshotTest, SavingNeverReplacesWhatExists) {
  for (const char* name : {"G0000001.bmp", "G0000001.png"}) {
    Put(name, "BM earlier");
    EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), name)) << name;
    EXPECT_EQ(ReadBinaryFile(name), "BM earlier") << name;
  }
  fs::create_symlink("target.bmp", "link.bmp");
  fs::create_directory("folder.bmp");
  EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), "link.bmp"));
  EXPECT_FALSE(SaveSnapshot(TestImage(3, 2), "folder.bmp"));
  EXPECT_FALSE(fs::exists("target.bmp"));
}

TEST_F(SnapshotTest, TheExtensionChoosesTheFormatAndFailuresLeaveNoFile) {
  fs::create_directory("sub.png");
  for (const char* name : {"G0000001", "G0000001.jpg", "G0000001.bmp.txt", "G0000001.bm", "bmp",
                           "sub.png/G0000001", "missing/G0000001.bmp", ""}) {
    EXPECT_FALSE(SaveSnapshot(TestImage(2, 2), name)) << name;
  }
  for (const SnapshotImage& empty : {SnapshotImage(0, 12), SnapshotImage(20, 0), SnapshotImage()}) {
    EXPECT_FALSE(SaveSnapshot(empty, "G0000001.bmp"));
    EXPECT_FALSE(SaveSnapshot(empty, "G0000001.png"));
  }
  EXPECT_TRUE(fs::is_empty("sub.png"));
  fs::remove("sub.png");
  EXPECT_TRUE(fs::is_empty("."));

  const std::pair<const char*, std::string> saved[] = {
      {"a.bmp", "BM"},      {"b.BMP", "BM"},      {"c.Bmp", "BM"},       {".bmp", "BM"},
      {"d.png", "\x89PNG"}, {"e.PNG", "\x89PNG"}, {"f.x.png", "\x89PNG"}};
  for (const auto& [name, magic] : saved) {
    ASSERT_TRUE(SaveSnapshot(TestImage(2, 2), name)) << name;
    EXPECT_EQ(ReadBinaryFile(name).value_or("").substr(0, magic.size()), magic) << name;
  }
}

// A write cut short (here by a file size limit) must fail and take its partial file away.
TEST_F(SnapshotTest, ShortWriteFailsAndRemovesThePartialFile) {
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
  EXPECT_TRUE(fs::is_empty("."));
}

// Two processes save 100 pictures each, of their own width, in lockstep: before every save
// each waits for the other, so that their searches keep meeting on the same free name.
TEST_F(SnapshotTest, TwoProcessesSavingAtOnceKeepEveryPicture) {
  int toFirst[2], toSecond[2];
  ASSERT_EQ(pipe(toFirst), 0);
  ASSERT_EQ(pipe(toSecond), 0);
  std::vector<pid_t> children;
  for (const int width : {1, 2}) {
    const pid_t child = fork();
    if (child == 0) {
      const int in = width == 1 ? toFirst[0] : toSecond[0];
      const int out = width == 1 ? toSecond[1] : toFirst[1];
      // Without the other ends, a partner that ends early ends this one too.
      close(width == 1 ? toFirst[1] : toSecond[1]);
      close(width == 1 ? toSecond[0] : toFirst[0]);
      const SnapshotImage image = TestImage(width, 1);
      bool allSaved = true;
      char tick = 0;
      for (int save = 0; save < 100; ++save) {
        if (write(out, &tick, 1) != 1 || read(in, &tick, 1) != 1) _exit(2);
        allSaved = SaveNextSnapshot(image).saved && allSaved;
      }
      _exit(allSaved ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const int fd : {toFirst[0], toFirst[1], toSecond[0], toSecond[1]}) close(fd);
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  // G0000001.bmp to G0000200.bmp, each a whole picture, 100 of each width.
  EXPECT_EQ(FindFreeSnapshotName(), "G0000201.bmp");
  std::map<std::string, int> pictures;
  for (const auto& entry : fs::directory_iterator("."))
    ++pictures[ReadBinaryFile(entry.path()).value_or("")];
  EXPECT_EQ(pictures.size(), 2u);
  for (const int width : {1, 2}) {
    const auto bmp = EncodeBmp24(TestImage(width, 1));
    EXPECT_EQ(pictures[std::string(bmp.begin(), bmp.end())], 100) << width;
  }
}

// The first 34 bytes of a BMP file: "BM", file size, reserved, pixel offset, info header size,
// width, height (positive: bottom-up), planes, bits per pixel, no compression.
std::vector<std::uint8_t> BmpHeader(std::size_t fileSize, int width, int height) {
  std::vector<std::uint8_t> header{'B', 'M'};
  const auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) header.push_back(std::uint8_t(value >> 8 * i));
  };
  const std::uint32_t words[] = {std::uint32_t(fileSize), 0, 54, 40, std::uint32_t(width),
                                 std::uint32_t(height)};
  for (const std::uint32_t word : words) put(word, 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  return header;
}

// Every byte read back: both headers, then bottom-up BGR rows padded with zeros to 4 bytes.
TEST_F(SnapshotTest, BmpIsUncompressed24BitBottomUpWithPaddedRows) {
  const std::pair<int, int> sizes[] = {{1, 3}, {2, 3}, {3, 3}, {4, 3},   {5, 3},    {6, 3},
                                       {7, 3}, {5, 1}, {1, 9}, {80, 60}, {408, 360}};
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(::testing::Message() << width << " x " << height);
    const std::string name = std::to_string(width) + "x" + std::to_string(height) + ".bmp";
    ASSERT_TRUE(SaveSnapshot(TestImage(width, height), name));
    const auto bytes = testing::ReadBytes(name);
    const std::size_t rowBytes = (width * 3u + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 54 + rowBytes * height);
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 34),
              BmpHeader(bytes.size(), width, height));
    EXPECT_EQ(std::vector(bytes.begin() + 46, bytes.begin() + 50),
              std::vector<std::uint8_t>(4));  // no palette
    for (int row = 0; row < height; ++row) {
      std::vector<std::uint8_t> expected;
      for (int x = 0; x < width; ++x) {
        const Color color = TestColor(x, height - 1 - row);
        expected.insert(expected.end(), {BlueOf(color), GreenOf(color), RedOf(color)});
      }
      expected.resize(rowBytes, 0);
      const auto at = bytes.begin() + std::ptrdiff_t(54 + rowBytes * row);
      ASSERT_EQ(std::vector(at, at + std::ptrdiff_t(rowBytes)), expected) << "row " << row;
    }
  }
}

TEST_F(SnapshotTest, PngDecodesToTheSamePixelsAndAlphaFollowsTheMask) {
  const std::vector<bool> opaque = {true, false, true, false, false, true};
  ASSERT_TRUE(SaveSnapshot(TestImage(3, 2), "G0000001.png"));
  ASSERT_TRUE(WriteNewFile("alpha.png", EncodePngWithAlpha(TestImage(3, 2), opaque)));
  const auto rgb = testing::DecodeImage("G0000001.png");
  const auto rgba = testing::DecodeImage("alpha.png");
  ASSERT_TRUE(rgb && rgba);
  EXPECT_EQ(rgb->channelsInFile, 3);
  EXPECT_EQ(rgba->channelsInFile, 4);
  for (const auto* image : {&*rgb, &*rgba}) {
    ASSERT_EQ(image->width, 3);
    ASSERT_EQ(image->height, 2);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(image->Rgb(i % 3, i / 3), TestColor(i % 3, i / 3)) << i;
      EXPECT_EQ(image->Alpha(i % 3, i / 3), image == &*rgb || opaque[i] ? 255 : 0) << i;
    }
  }
  for (const std::size_t maskSize : {0, 5, 7}) {
    EXPECT_TRUE(EncodePngWithAlpha(TestImage(3, 2), std::vector<bool>(maskSize, true)).empty());
  }
}

}  // namespace
}  // namespace vestara::test
