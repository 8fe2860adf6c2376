#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/utf8_path.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

// Bytes a text-mode stream would change: line ends, the old end-of-file mark, a NUL.
const std::string kBinary(
    "a\r\nb\nc\x1a"
    "d\0e\r",
    10);

std::span<const unsigned char> BytesOf(const std::string& text) {
  return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

class FileIoTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const {
    return JoinPath(Utf8FromPath(directory_.root()), name);
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory_.root()))
      names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
  }

  ScopedTestDirectory directory_;
};

TEST_F(FileIoTest, BytesRoundTripUnchangedUnderAnyName) {
  // Japanese and accented names, which the system's narrow code page may not hold.
  for (const std::string name : {"plain.bin", "ヴェスタラ.bin", "\xc3\xa4pfel.bin"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(CreateNewFile(PathOf(name), BytesOf(kBinary)), NewFileResult::Written);
    const auto whole = ReadFileBytes(PathOf(name));
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(std::string(whole->begin(), whole->end()), kBinary);
    EXPECT_EQ(ReadRegularFilePrefix(PathOf(name), 4), kBinary.substr(0, 4));
    EXPECT_EQ(ReadRegularFilePrefix(PathOf(name), 100), kBinary);
    EXPECT_TRUE(OpensAsRegularFile(PathOf(name)));
  }
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"plain.bin", "\xc3\xa4pfel.bin", "ヴェスタラ.bin"}));
}

TEST_F(FileIoTest, LargeAndEmptyFilesAreReadWhole) {
  std::string large;
  for (int i = 0; i < 300000; ++i) large += static_cast<char>(i * 7);
  for (const std::string& content : {large, std::string()}) {
    const std::string path = PathOf(std::to_string(content.size()));
    ASSERT_TRUE(WriteNewFile(path, BytesOf(content)));
    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(std::string(bytes->begin(), bytes->end()) == content) << content.size();
  }
}

TEST_F(FileIoTest, WhatIsNoRegularFileIsNotRead) {
  fs::create_directory(PathFromUtf8(PathOf("folder")));
  for (const std::string name : {"folder", "missing"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(OpensAsRegularFile(PathOf(name)));
    EXPECT_EQ(ReadRegularFilePrefix(PathOf(name), 10), std::nullopt);
    EXPECT_EQ(ReadFileBytes(PathOf(name)), std::nullopt);
  }
}

TEST_F(FileIoTest, NewFilesNeverReplaceAnything) {
  ASSERT_TRUE(WriteNewFile(PathOf("taken"), BytesOf("old")));
  fs::create_directory(PathFromUtf8(PathOf("folder")));
  for (const std::string name : {"taken", "folder"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(CreateNewFile(PathOf(name), BytesOf(kBinary)), NewFileResult::NameTaken);
  }
  EXPECT_EQ(ReadBinaryFile(PathFromUtf8(PathOf("taken"))), "old");
  EXPECT_EQ(CreateNewFile(PathOf("no-folder/x"), BytesOf("x")), NewFileResult::Failed);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"folder", "taken"}));
}

TEST_F(FileIoTest, ReplacingCreatesOrReplacesWholeAndLeavesNothingBeside) {
  const std::string path = PathOf("ヴェスタラ.txt");
  ASSERT_TRUE(ReplaceFileContents(path, BytesOf("first, and longer\r\n")));
  EXPECT_EQ(ReadBinaryFile(PathFromUtf8(path)), "first, and longer\r\n");
  ASSERT_TRUE(ReplaceFileContents(path, BytesOf(kBinary)));
  EXPECT_EQ(ReadBinaryFile(PathFromUtf8(path)), kBinary);
  EXPECT_EQ(Entries(), std::vector<std::string>{"ヴェスタラ.txt"});
}

TEST_F(FileIoTest, ReplacingLeavesFoldersAndMissingFoldersAlone) {
  fs::create_directory(PathFromUtf8(PathOf("folder")));
  EXPECT_FALSE(ReplaceFileContents(PathOf("folder"), BytesOf("x")));
  EXPECT_TRUE(fs::is_directory(PathFromUtf8(PathOf("folder"))));
  EXPECT_FALSE(ReplaceFileContents(PathOf("no-folder/x"), BytesOf("x")));
  EXPECT_EQ(Entries(), std::vector<std::string>{"folder"});
}

TEST_F(FileIoTest, ReadOnlyFilesAreNotReplaced) {
  const std::string path = PathOf("locked");
  ASSERT_TRUE(WriteNewFile(path, BytesOf("old")));
  fs::permissions(PathFromUtf8(path),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(PathFromUtf8(path), std::ios::app)) {
    GTEST_SKIP() << "permission bits do not bind this user";
  }
  EXPECT_FALSE(ReplaceFileContents(path, BytesOf("new")));
  EXPECT_EQ(ReadBinaryFile(PathFromUtf8(path)), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"locked"});
}

}  // namespace
}  // namespace vestara::testing
