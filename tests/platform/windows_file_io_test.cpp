// What only Windows needs of the file layer: files another program holds open, and the
// game's drive as the drive itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/file_io.h"
#include "platform/game_drive.h"
#include "platform/utf8_path.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

TEST(WindowsFileIoTest, AFileTheGameHoldsOpenForWritingIsStillRead) {
  const ScopedTestDirectory directory;
  const std::string path = Utf8FromPath(directory.root() / L"ヴェスタラ.spr.NCS");
  const std::string bytes = "EAST0\r\n\x1a";
  ASSERT_TRUE(
      WriteNewFile(path, {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}));
  // As the running game would: open for writing, letting others read and write only.
  const HANDLE game = CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(game, INVALID_HANDLE_VALUE);
  const auto read = ReadFileBytes(path);
  EXPECT_TRUE(OpensAsRegularFile(path));
  CloseHandle(game);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::string(read->begin(), read->end()), bytes);
}

TEST(WindowsFileIoTest, TheGamesDriveIsTheDriveItself) {
  EXPECT_EQ(GameDriveRoot('C'), "C:/");
  EXPECT_EQ(GameDriveRoot('d'), "d:/");
}

}  // namespace
}  // namespace vestara::testing
