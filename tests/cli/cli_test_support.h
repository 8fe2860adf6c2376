#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sprite/archive_writer.h"

namespace vestara::clitest {

// What one run of the real vestara-sprite executable did.
struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A fresh temporary directory per test: `Work()` is the tool's working directory.
// Wine's prefix points inside it, so the default game folders are never found outside.
class ToolTest {
 public:
  ToolTest();
  ~ToolTest();
  ToolTest(const ToolTest&) = delete;
  ToolTest& operator=(const ToolTest&) = delete;

  const std::filesystem::path& Work() const { return work_; }
  std::string InWork(const std::string& relative) const { return (work_ / relative).string(); }
  // Runs the tool with `arguments` in Work(), stdin empty, stdout and stderr captured.
  ToolRun Run(const std::vector<std::string>& arguments) const;
  // Writes the sample game into Work()/`folder` in-process.
  void WriteSampleGame(const std::string& folder = "game") const;

 private:
  std::filesystem::path root_;
  std::filesystem::path work_;
};

std::string ReadText(const std::filesystem::path& path);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A decoded PNG or BMP: RGBA bytes, 4 per pixel, rows from the top.
struct DecodedImage {
  int width = 0;
  int height = 0;
  int channelsInFile = 0;
  std::vector<std::uint8_t> rgba;
  std::uint8_t Alpha(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 3]; }
  std::uint32_t Rgb(int x, int y) const;  // 0x00BBGGRR
};
std::optional<DecodedImage> DecodeImage(const std::filesystem::path& path);

// A grid of `width` x `height` pixels from a list of rows: '.' undrawn, any other
// character drawn with the palette index `indices` gives it.
SpriteGrid GridFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, std::uint8_t>>& indices);

}  // namespace vestara::clitest
