// Replays fuzz inputs without libFuzzer: every file in the directories (or files) named on
// the command line goes once through LLVMFuzzerTestOneInput. A missing directory is empty.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Only the targets that prepare something define it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const fs::path& location) {
  std::vector<fs::path> inputs;
  if (fs::is_regular_file(location)) inputs.push_back(location);
  if (fs::is_directory(location)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(location)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  // The inputs are named before the target may change the working directory.
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    for (fs::path& input : InputsIn(argv[i])) inputs.push_back(fs::absolute(input));
  }
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  std::size_t replayed = 0;
  for (const fs::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", input.c_str());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    ++replayed;
  }
  std::printf("replayed %zu inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
