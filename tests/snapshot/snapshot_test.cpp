#include "snapshot/snapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "snapshot/bmp_encoding.h"
#include "snapshot/picture_format.h"
#include "snapshot_fixture.h"
#include "support/scoped_test_directory.h"

namespace vestara::test {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;

void Put(const std::string& name, const std::string& bytes = "x") {
  testing::WriteBinaryFile(fs::current_path() / name, bytes);
}

TEST_F(SnapshotTest, TheFirstFreeNameSkipsAnythingThatExists) {
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000001.bmp");  // searching alone uses no name up
  Put("G0000001.bmp");
  Put("G0000003.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000002.bmp");
  // A name that cannot be opened for reading as a file still holds something.
  fs::create_directory("G0000002.bmp");
  EXPECT_EQ(FindFreeSnapshotName(), "G0000004.bmp");
}

TEST_F(SnapshotTest, ACaptureWithoutPixelsTakesNoName) {
  Put("G0000001.bmp", "earlier");
  const SnapshotSaveResult result = SaveNextSnapshot(SnapshotImage(0, 12));
  EXPECT_EQ(result.name, "G0000002.bmp");
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(ReadBinaryFile("G0000001.bmp"), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  EXPECT_TRUE(SaveNextSnapshot(TestImage(2, 2)).saved);
  EXPECT_EQ(testing::ReadBytes("G0000002.bmp"), EncodeBmp24(TestImage(2, 2)));
}

TEST(PictureFormatTest, TheLastComponentsExtensionChoosesInAnyCase) {
  const std::pair<const char*, std::optional<PictureFormat>> names[] = {
      {"G0000001.bmp", PictureFormat::Bmp}, {"a.Png", PictureFormat::Png},
      {".BMP", PictureFormat::Bmp},         {"dir.png/file", std::nullopt},
      {"dir.png\\file", std::nullopt},      {"C:\\pics\\a.b.png", PictureFormat::Png},
      {"G0000002", std::nullopt},           {"G0000002.jpg", std::nullopt},
      {"x.bmp.txt", std::nullopt},          {"", std::nullopt}};
  for (const auto& [name, format] : names) EXPECT_EQ(PictureFormatOf(name), format) << name;
}

// Both headers, no palette, then bottom-up BGR rows padded with zeros to 4 bytes.
TEST(BmpTest, BmpIsUncompressed24BitBottomUpWithPaddedRows) {
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
    EXPECT_EQ(EncodePicture(TestImage(width, kHeight), {}, PictureFormat::Bmp), expected) << width;
  }
}

}  // namespace
}  // namespace vestara::test
