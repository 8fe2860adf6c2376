// A names file as a spreadsheet saves it: UTF-8 with or without a byte order mark, or code
// page 932; and what the reader says of a file it cannot use.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "item_names/item_names_file.h"
#include "platform/utf8_path.h"
#include "support/scoped_test_directory.h"

namespace vestara::testing {
namespace {

// "炎の剣" in UTF-8 and in code page 932.
const std::string kFlameSwordUtf8 = "\xe7\x82\x8e\xe3\x81\xae\xe5\x89\xa3";
const std::string kFlameSwordCp932 = "\x89\x8a\x82\xcc\x8c\x95";
const std::string kByteOrderMark = "\xef\xbb\xbf";

TEST(ItemNamesFileTest, TextIsUtf8WithoutItsMarkOrConvertedFromCodePage932) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"", ""},
      {kByteOrderMark, ""},
      {kByteOrderMark + "a," + kFlameSwordUtf8, "a," + kFlameSwordUtf8},
      {"a," + kFlameSwordUtf8, "a," + kFlameSwordUtf8},
      {"a," + kFlameSwordCp932, "a," + kFlameSwordUtf8},
      {kByteOrderMark + kByteOrderMark, kByteOrderMark},  // only the first is the mark
      {"a,\x95", std::nullopt},                           // a lead byte without its trail
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(NamesFileText(bytes), text) << bytes;
}

TEST(ItemNamesFileTest, ReadsNamesFromAFileInEitherEncoding) {
  const ScopedTestDirectory directory;
  const std::string folder = Utf8FromPath(directory.root()) + "/";
  const std::string lines = "category,position,label\r\nweapon,5,";
  // The file's own name is UTF-8 as well.
  const std::string japanese = kFlameSwordUtf8 + ".csv";
  WriteBinaryFile(directory.root() / "bom.csv", kByteOrderMark + lines + kFlameSwordUtf8 + "\r\n");
  WriteBinaryFile(PathFromUtf8(folder + japanese), lines + kFlameSwordCp932 + "\r\nsword,0,x");
  for (const auto& [file, badLines] : {std::pair<std::string, std::size_t>{"bom.csv", 0},
                                       std::pair<std::string, std::size_t>{japanese, 1}}) {
    const ItemNames names = ReadItemNamesFile(folder + file);
    EXPECT_EQ(names.fileProblem, "") << file;
    EXPECT_EQ(names.badLines.size(), badLines) << file;
    ASSERT_NE(names.Find(Weapon, 5), nullptr) << file;
    EXPECT_EQ(*names.Find(Weapon, 5), kFlameSwordUtf8) << file;
  }
}

TEST(ItemNamesFileTest, AFileThatCannotServeGivesNoNamesAndSaysWhy) {
  const ScopedTestDirectory directory;
  const std::string root = Utf8FromPath(directory.root());
  const std::string names = "category,position,label\nweapon,0,x\n";
  WriteBinaryFile(directory.root() / "cp932.csv", names + "\x95");
  WriteBinaryFile(directory.root() / "large.csv", names + std::string(16 << 20, ' '));
  std::filesystem::create_directory(directory.root() / "folder.csv");
  const std::pair<std::string, std::string> cases[] = {
      {"missing.csv", "no such file"},
      {"folder.csv", "not a file"},
      {"cp932.csv", "neither UTF-8 nor code page 932 text"},
      {"large.csv", "larger than 16 MiB"},
  };
  for (const auto& [file, problem] : cases) {
    const ItemNames read = ReadItemNamesFile(root + "/" + file);
    EXPECT_EQ(read.fileProblem, problem) << file;
    EXPECT_TRUE(read.names.empty() && read.badLines.empty()) << file;
  }
}

}  // namespace
}  // namespace vestara::testing
