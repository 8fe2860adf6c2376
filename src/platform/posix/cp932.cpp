#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace vestara {

namespace {

// Converts between code page 932 and UTF-8, in the direction it was opened for.
class Cp932Converter {
 public:
  Cp932Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Cp932Converter() {
    if (IsOpen()) iconv_close(handle_);
  }
  Cp932Converter(const Cp932Converter&) = delete;
  Cp932Converter& operator=(const Cp932Converter&) = delete;

  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> Convert(std::string_view text) {
    std::string input(text);  // iconv takes a non-const input pointer
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::string output;
    char chunk[256];
    // Code page 932 is stateless, so no final flush is needed.
    while (inLeft > 0) {
      char* out = chunk;
      std::size_t outLeft = sizeof chunk;
      const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(chunk, static_cast<std::size_t>(out - chunk));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        return std::nullopt;  // invalid or truncated sequence
      }
    }
    return output;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view text) {
  Cp932Converter converter("UTF-8", "CP932");
  if (!converter.IsOpen()) return std::nullopt;
  return converter.Convert(text);
}

std::optional<std::string> Utf8ToCp932(std::string_view text) {
  // Without //TRANSLIT a character code page 932 lacks is an error, not a substitute.
  Cp932Converter converter("CP932", "UTF-8");
  if (!converter.IsOpen()) return std::nullopt;
  return converter.Convert(text);
}

}  // namespace vestara
