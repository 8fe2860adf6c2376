#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  // The labels hold no quotes or commas, so splitting is enough here.
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos;
         start = comma + 1) {
      fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    rows.push_back(fields);
  }
  return rows;
}

std::size_t FilesIn(const fs::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    count += entry.is_regular_file();
  return count;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(ExportCommandTest, ExportsEveryItemOfTheSampleGameWithIndexAndContactSheet) {
  ToolTest tool;
  tool.WriteSampleGame();
  const ToolRun run = tool.Run({"export", "-o", "out", "--game-dir", "game"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Exported 1159 of 1159 pictures to out\n");
  EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal

  const fs::path out = tool.Work() / "out";
  EXPECT_EQ(FilesIn(out / "weapon"), 96u);
  EXPECT_EQ(FilesIn(out / "shield"), 17u);
  EXPECT_EQ(FilesIn(out / "ring"), 65u);
  EXPECT_EQ(FilesIn(out / "necklace"), 54u);
  EXPECT_EQ(FilesIn(out / "soul"), 23u);
  for (const std::string gender : {"male", "female"}) {
    for (int colour = 0; colour < 7; ++colour) {
      const std::string variant = gender + "-" + std::to_string(colour);
      if (colour < 5) {
        EXPECT_EQ(FilesIn(out / "armor" / variant), 61u) << variant;
      }
      EXPECT_EQ(FilesIn(out / "shoes" / variant), 21u) << variant;
    }
  }
  EXPECT_FALSE(fs::exists(out / "armor" / "male-5"));

  const auto rows = CsvRows(ReadText(out / "index.csv"));
  ASSERT_EQ(rows.size(), 1160u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"category", "position", "label", "gender", "colour",
                                               "archive", "frame", "width", "height", "file"}));
  std::map<std::string, int> perCategory;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 10u) << i;
    ++perCategory[rows[i][0]];
    EXPECT_TRUE(fs::is_regular_file(out / rows[i][9])) << rows[i][9];
  }
  EXPECT_EQ(perCategory, (std::map<std::string, int>{{"weapon", 96},
                                                     {"shield", 17},
                                                     {"armor", 610},
                                                     {"shoes", 294},
                                                     {"ring", 65},
                                                     {"necklace", 54},
                                                     {"soul", 23}}));
  // Shoes entry 0 in the female colour-6 archive is frame 17.
  const auto shoe = std::find_if(
      rows.begin(), rows.end(), [](const auto& row) { return row[9] == "shoes/female-6/000.png"; });
  ASSERT_NE(shoe, rows.end());
  EXPECT_EQ((*shoe)[3], "female");
  EXPECT_EQ((*shoe)[4], "6");
  EXPECT_EQ((*shoe)[5], "Shoes106.spr.NCS");
  EXPECT_EQ((*shoe)[6], "17");

  const std::string html = ReadText(out / "index.html");
  EXPECT_EQ(Occurrences(html, "<img src="), 1159u);
  EXPECT_NE(html.find("<img src=\"armor/female-4/060.png\""), std::string::npos);

  // Each picture is what `frame` writes for the same frame.
  ASSERT_EQ(tool.Run({"frame", "game/Data/Shoes106.spr.NCS", "17", "-o", "shoe.png"}).exitCode, 0);
  EXPECT_EQ(ReadBytes(tool.InWork("shoe.png")), ReadBytes(out / "shoes/female-6/000.png"));
}

TEST(ExportCommandTest, MissingArchivesAreListedAndDoNotStopTheExport) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::remove(tool.Work() / "game" / "Data" / "Armor102.spr.NCS");
  fs::remove(tool.Work() / "game" / "Data" / "eitem.spr.NCS");
  const ToolRun run = tool.Run({"export", "-o", "out", "--game-dir", "game", "--format", "bmp",
                                "--zoom", "50", "--background", "black"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Exported 956 of 1159 pictures to out; missing archives: Armor102.spr.NCS, "
            "eitem.spr.NCS\n");
  const auto rows = CsvRows(ReadText(tool.Work() / "out" / "index.csv"));
  ASSERT_EQ(rows.size(), 1160u);
  std::size_t withoutFile = 0;
  for (const auto& row : rows) {
    if (row[9].empty()) {
      ++withoutFile;
      EXPECT_TRUE(row[5] == "Armor102.spr.NCS" || row[5] == "eitem.spr.NCS") << row[5];
      EXPECT_EQ(row[7], "");
    }
  }
  EXPECT_EQ(withoutFile, 61u + 65u + 54u + 23u);
  EXPECT_FALSE(fs::exists(tool.Work() / "out" / "ring"));
  EXPECT_EQ(FilesIn(tool.Work() / "out" / "weapon"), 96u);
  EXPECT_EQ(DecodeImage(tool.Work() / "out" / "weapon" / "000.bmp")->channelsInFile, 3);
}

TEST(ExportCommandTest, RefusesAnExistingExportUnlessForced) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::create_directories(tool.Work() / "out" / "soul");
  WriteBytes(tool.Work() / "out" / "soul" / "007.png", {'m', 'i', 'n', 'e'});

  const ToolRun refused = tool.Run({"export", "-o", "out", "--game-dir", "game", "--transparent"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("007.png: already exists"), std::string::npos) << refused.err;
  EXPECT_EQ(FilesIn(tool.Work() / "out"), 1u);  // nothing written

  const ToolRun forced =
      tool.Run({"export", "-o", "out", "--game-dir", "game", "--transparent", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  const auto soul = DecodeImage(tool.Work() / "out" / "soul" / "007.png");
  ASSERT_TRUE(soul.has_value());
  EXPECT_EQ(soul->channelsInFile, 4);
  EXPECT_EQ(soul->Alpha(0, 0), 0);
  EXPECT_EQ(FilesIn(tool.Work() / "out"), 1159u + 2u);
}

TEST(ExportCommandTest, GameDirWithoutTheProbeFileExitsTwo) {
  ToolTest tool;
  fs::create_directories(tool.Work() / "empty");
  const ToolRun run = tool.Run({"export", "-o", "out", "--game-dir", "empty"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_FALSE(fs::exists(tool.Work() / "out"));
}

}  // namespace
}  // namespace vestara::clitest
