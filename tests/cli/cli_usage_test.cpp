#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vestara::clitest {
namespace {

struct UsageCase {
  std::string name;
  std::vector<std::string> arguments;
  std::string usageOf;  // the usage line that stderr must show
};

void PrintTo(const UsageCase& usage, std::ostream* out) { *out << usage.name; }

class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};

// Every usage error exits 1 with a message and the subcommand's usage on stderr, and
// writes nothing.
TEST_P(UsageErrorTest, ExitsOneWithUsageOnStderr) {
  ToolTest tool;
  tool.WriteSampleGame();
  const ToolRun run = tool.Run(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.err.find("Usage: " + GetParam().usageOf), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(std::filesystem::exists(tool.InWork("out.png")));
  EXPECT_FALSE(std::filesystem::exists(tool.InWork("out.bmp")));
  EXPECT_FALSE(std::filesystem::exists(tool.InWork("G0000001.bmp")));
}

const std::string kWeapons = "game/Data/Weapon.spr.NCS";

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrorTest,
    ::testing::Values(
        UsageCase{"NoSubcommand", {}, "vestara-sprite"},
        UsageCase{"UnknownSubcommand", {"paint"}, "vestara-sprite"},
        UsageCase{"InfoWithoutArchive", {"info"}, "vestara-sprite info"},
        UsageCase{"UnknownOption", {"info", kWeapons, "--fast"}, "vestara-sprite info"},
        UsageCase{"RenderWithoutItem", {"render", "--category", "weapon"}, "vestara-sprite render"},
        UsageCase{"UnknownCategory",
                  {"render", "--category", "helmet", "--item", "0", "--game-dir", "game"},
                  "vestara-sprite render"},
        UsageCase{"ItemNotANumber",
                  {"render", "--category", "ring", "--item", "two", "--game-dir", "game"},
                  "vestara-sprite render"},
        UsageCase{"ColourForWeapon",
                  {"render", "--category", "weapon", "--item", "0", "--colour", "1", "--game-dir",
                   "game", "-o", "out.png"},
                  "vestara-sprite render"},
        UsageCase{"GenderForRing",
                  {"render", "--category", "ring", "--item", "0", "--gender", "male", "--game-dir",
                   "game", "-o", "out.png"},
                  "vestara-sprite render"},
        UsageCase{"ArmorColourTooHigh",
                  {"render", "--category", "armor", "--item", "0", "--color", "5", "--game-dir",
                   "game", "-o", "out.png"},
                  "vestara-sprite render"},
        UsageCase{"UnknownGender",
                  {"render", "--category", "shoes", "--item", "0", "--gender", "other",
                   "--game-dir", "game"},
                  "vestara-sprite render"},
        UsageCase{"ZoomNotOffered",
                  {"render", "--category", "weapon", "--item", "0", "--zoom", "150", "--game-dir",
                   "game"},
                  "vestara-sprite render"},
        UsageCase{"UnknownBackground",
                  {"frame", kWeapons, "0", "-o", "out.png", "--background", "red"},
                  "vestara-sprite frame"},
        UsageCase{"UnknownPictureExtension",
                  {"render", "--category", "weapon", "--item", "0", "--game-dir", "game", "-o",
                   "out.gif"},
                  "vestara-sprite render"},
        UsageCase{"FrameWithoutOutput", {"frame", kWeapons, "0"}, "vestara-sprite frame"},
        UsageCase{"NegativeFrameIndex",
                  {"frame", kWeapons, "-1", "-o", "out.png"},
                  "vestara-sprite frame"},
        UsageCase{"TransparentBmp",
                  {"frame", kWeapons, "0", "-o", "out.bmp", "--transparent"},
                  "vestara-sprite frame"},
        UsageCase{
            "TransparentWithBackground",
            {"frame", kWeapons, "0", "-o", "out.png", "--transparent", "--background", "black"},
            "vestara-sprite frame"},
        UsageCase{"ExportTransparentBmp",
                  {"export", "-o", "out", "--game-dir", "game", "--format", "bmp", "--transparent"},
                  "vestara-sprite export"},
        UsageCase{"ExportUnknownFormat",
                  {"export", "-o", "out", "--format", "gif"},
                  "vestara-sprite export"},
        UsageCase{"SampleGameWithoutFolder", {"sample-game"}, "vestara-sprite sample-game"}),
    [](const auto& info) { return info.param.name; });

TEST(HelpTest, ToolAndEverySubcommandPrintHelpOnStdoutAndSucceed) {
  ToolTest tool;
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--help"},
                                             {"info", "--help"},
                                             {"render", "--help"},
                                             {"frame", "--help"},
                                             {"export", "--help"},
                                             {"sample-game", "-h"}}) {
    const ToolRun run = tool.Run(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments[0];
    EXPECT_NE(run.out.find("Usage: vestara-sprite"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
}

TEST(OptionOrderTest, OptionsMayComeInAnyOrderAfterTheSubcommand) {
  ToolTest tool;
  tool.WriteSampleGame();
  const ToolRun first = tool.Run({"render", "-o", "a.bmp", "--game-dir", "game", "--item", "3",
                                  "--zoom", "200", "--category", "shield"});
  const ToolRun second = tool.Run({"render", "--category", "shield", "--zoom", "200", "--item", "3",
                                   "--game-dir", "game", "-o", "b.bmp"});
  ASSERT_EQ(first.exitCode, 0) << first.err;
  ASSERT_EQ(second.exitCode, 0) << second.err;
  EXPECT_EQ(ReadBytes(tool.InWork("a.bmp")), ReadBytes(tool.InWork("b.bmp")));
}

}  // namespace
}  // namespace vestara::clitest
