#include "foundation/text_encoding.h"

#include <iconv.h>

#include <memory>

namespace q7 {
namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Converts the whole text from `from` to UTF-8; false when a byte does not fit.
bool convertToUtf8(const char* from, const std::string& bytes, std::string& out) {
  const iconv_t cd = iconv_open("UTF-8", from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  const std::unique_ptr<void, IconvCloser> closer(cd);
  std::string input = bytes;
  out.assign(input.size() * 4 + 4, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* put = out.data();
  std::size_t outLeft = out.size();
  if (iconv(cd, &in, &inLeft, &put, &outLeft) == static_cast<std::size_t>(-1)) return false;
  out.resize(out.size() - outLeft);
  return true;
}

}  // namespace

bool isValidUtf8(const std::string& bytes) {
  std::string ignored;
  return convertToUtf8("UTF-8", bytes, ignored);
}

std::string utf8FromUtf8OrGb18030(const std::string& bytes) {
  if (isValidUtf8(bytes)) return bytes;
  std::string converted;
  return convertToUtf8("GB18030", bytes, converted) ? converted : bytes;
}

}  // namespace q7
