#include "cli_test_support.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <system_error>

#define STBI_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "cli/sample_game/sample_game.h"

namespace vestara::clitest {

namespace fs = std::filesystem;

ToolTest::ToolTest() {
  std::random_device random;
  do {
    root_ = fs::temp_directory_path() /
            ("vestara-cli-test-" + std::to_string(random()) + std::to_string(random()));
  } while (!fs::create_directory(root_));
  work_ = root_ / "work";
  fs::create_directory(work_);
}

ToolTest::~ToolTest() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

ToolRun ToolTest::Run(const std::vector<std::string>& arguments) const {
  const fs::path outPath = root_ / "stdout.txt";
  const fs::path errPath = root_ / "stderr.txt";
  const std::string winePrefix = (root_ / "wine").string();
  std::vector<std::string> argv{VESTARA_SPRITE};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls until exec.
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || chdir(work_.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    setenv("WINEPREFIX", winePrefix.c_str(), 1);
    execv(pointers[0], pointers.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(outPath), ReadText(errPath)};
}

void ToolTest::WriteSampleGame(const std::string& folder) const {
  for (const SampleGameFile& file : SampleGameFiles()) {
    const fs::path path = work_ / folder / file.path;
    fs::create_directories(path.parent_path());
    WriteBytes(path, file.build());
  }
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  const std::string text = ReadText(path);
  return {text.begin(), text.end()};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::uint32_t DecodedImage::Rgb(int x, int y) const {
  const std::size_t at = (std::size_t(y) * width + x) * 4;
  return rgba[at] | (std::uint32_t{rgba[at + 1]} << 8) | (std::uint32_t{rgba[at + 2]} << 16);
}

std::optional<DecodedImage> DecodeImage(const fs::path& path) {
  DecodedImage image;
  unsigned char* pixels =
      stbi_load(path.c_str(), &image.width, &image.height, &image.channelsInFile, 4);
  if (pixels == nullptr) return std::nullopt;
  image.rgba.assign(pixels, pixels + std::size_t(image.width) * image.height * 4);
  stbi_image_free(pixels);
  return image;
}

SpriteGrid GridFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, std::uint8_t>>& indices) {
  SpriteGrid grid;
  grid.width = static_cast<std::uint16_t>(rows.empty() ? 0 : rows[0].size());
  grid.height = static_cast<std::uint16_t>(rows.size());
  for (const std::string& row : rows) {
    for (char c : row) {
      std::uint8_t index = 0;
      for (const auto& [symbol, value] : indices) {
        if (symbol == c) index = value;
      }
      grid.pixels.push_back(index);
      grid.drawn.push_back(c != '.');
    }
  }
  return grid;
}

}  // namespace vestara::clitest
