// `export --names`: the labels a player gave items reach index.csv and index.html, an
// export's own index.csv serves as names file, and a bad names file stops the export before
// anything is written.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/scoped_test_directory.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;
using testing::WriteBinaryFile;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The tree of `folder` without its index.csv and index.html: the pictures alone.
std::map<std::string, std::string> PicturesOf(const fs::path& folder) {
  auto tree = TreeOf(folder);
  tree.erase("index.csv");
  tree.erase("index.html");
  return tree;
}

TEST(ExportNamesTest, AnExportsOwnIndexWithOneLabelEditedNamesThatItemInEveryVariant) {
  ToolTest tool;
  tool.WriteSampleGame();
  ASSERT_EQ(tool.Run("export -o plain --game-dir game").exitCode, 0);
  const std::string index = ReadBinaryFile(tool.Work() / "plain/index.csv").value_or("");

  // As it is, the index names nothing: the export is the one without --names.
  WriteBinaryFile(tool.Work() / "same.csv", index);
  const ToolRun same = tool.Run("export -o same --game-dir game --names same.csv");
  ASSERT_EQ(same.exitCode, 0) << same.err;
  EXPECT_EQ(TreeOf(tool.Work() / "same"), TreeOf(tool.Work() / "plain"));

  // One armor line of one gender and colour gets a label a spreadsheet has to quote.
  const std::string armorLine = "\r\narmor,7,";
  const std::size_t labelAt = index.find(armorLine + "鎧・服 8,female,3,");
  ASSERT_NE(labelAt, std::string::npos);
  const std::string quoted = "\"Robe, \"\"red\"\"\nof old\"";
  std::string edited = index;
  edited.replace(labelAt, armorLine.size() + std::string("鎧・服 8").size(), armorLine + quoted);
  WriteBinaryFile(tool.Work() / "edited.csv", edited);
  const ToolRun named = tool.Run("export -o named --game-dir game --names edited.csv");
  ASSERT_EQ(named.exitCode, 0) << named.err;

  // Every gender and colour of that armor carries the name; nothing else changes.
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "named/index.csv"),
            Replaced(index, armorLine + "鎧・服 8,", armorLine + quoted + ","));
  EXPECT_EQ(PicturesOf(tool.Work() / "named"), PicturesOf(tool.Work() / "plain"));
  const std::string html = ReadBinaryFile(tool.Work() / "plain/index.html").value_or("");
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "named/index.html"),
            Replaced(Replaced(html, "007 鎧・服 8<", "007 Robe, &quot;red&quot;\nof old<"),
                     "alt=\"鎧・服 8\"", "alt=\"Robe, &quot;red&quot;\nof old\""));
}

// Each problem exits 2 with the file, the line where there is one, and why; no picture,
// list or folder is written.
TEST(ExportNamesTest, ABadNamesFileStopsTheExportBeforeItWritesAnything) {
  ToolTest tool;
  tool.WriteSampleGame();
  const std::string header = "category,position,label\r\n";
  const std::string good =
      header + "weapon,0,Dagger\r\nshield,1,Kite\r\n\r\nring,2,\"Band\r\n\"\r\n";
  WriteBinaryFile(tool.Work() / "unknown.csv", good + "sword,1,Blade\r\nsoul,3,Wisp\r\n");
  WriteBinaryFile(tool.Work() / "beyond.csv", header + "shoes,21,Boots\r\n");
  WriteBinaryFile(tool.Work() / "word.csv", header + "shoes,first,Boots\r\n");
  WriteBinaryFile(tool.Work() / "quote.csv", header + "shoes,1,\"Boots\r\n");
  WriteBinaryFile(tool.Work() / "header.csv", "category;position;label\r\nshoes,1,Boots\r\n");
  WriteBinaryFile(tool.Work() / "binary.csv", header + "shoes,1,\x95");
  const std::tuple<std::string, std::string> cases[] = {
      {"unknown.csv", "unknown.csv:7: unknown category \"sword\""},
      {"beyond.csv", "beyond.csv:2: position 21 is beyond the shoes list (0 to 20)"},
      {"word.csv", "word.csv:2: position \"first\" is not a number"},
      {"quote.csv", "quote.csv:2: a quoted field is not closed"},
      {"header.csv", "header.csv:1: the first line is not the header category,position,label"},
      {"binary.csv", "binary.csv: neither UTF-8 nor code page 932 text"},
      {"missing.csv", "missing.csv: no such file"},
  };
  const auto before = TreeOf(tool.Work());
  for (const auto& [file, message] : cases) {
    const ToolRun run = tool.Run("export -o out --game-dir game --names " + file);
    EXPECT_EQ(std::tie(run.exitCode, run.out, run.err), std::tuple(2, "", message + "\n"));
  }
  EXPECT_EQ(TreeOf(tool.Work()), before);
}

TEST(ExportNamesTest, NamesReachTheListAndTheContactSheet) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBinaryFile(tool.Work() / "names.csv",
                  "\xef\xbb\xbf"
                  "category,position,label\nweapon,5,炎の剣\nsoul,22,<Last & Least>\n");
  const ToolRun run = tool.Run("export -o out --game-dir game --names names.csv");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string csv = ReadBinaryFile(tool.Work() / "out/index.csv").value_or("");
  EXPECT_NE(csv.find("\r\nweapon,5,炎の剣,,,Weapon.spr.NCS,"), std::string::npos);
  EXPECT_NE(csv.find("\r\nsoul,22,<Last & Least>,,,eitem.spr.NCS,"), std::string::npos);
  EXPECT_EQ(csv.find("武器 6,"), std::string::npos);
  const std::string html = ReadBinaryFile(tool.Work() / "out/index.html").value_or("");
  EXPECT_NE(html.find("alt=\"炎の剣\""), std::string::npos);
  EXPECT_NE(html.find("<figcaption>022 &lt;Last &amp; Least&gt;</figcaption>"), std::string::npos);
}

}  // namespace
}  // namespace vestara::clitest
