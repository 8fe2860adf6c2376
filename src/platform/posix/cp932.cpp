#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace vestara {

namespace {

class Cp932Converter {
 public:
  Cp932Converter() : handle_(iconv_open("UTF-8", "CP932")) {}
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
  Cp932Converter converter;
  if (!converter.IsOpen()) return std::nullopt;
  return converter.Convert(text);
}

}  // namespace vestara
