#include "foundation/text_encoding.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

TEST(TextEncoding, Utf8FirstThenTheLocalChineseCodePage) {
  struct Case {
    const char* what;
    std::string bytes;
    bool utf8;
    std::string text;
  };
  const std::string zhong = "\xe4\xb8\xad";  // 中 in UTF-8
  const Case cases[] = {
      {"plain ASCII", "SN-001", true, "SN-001"},
      {"UTF-8", zhong + "1", true, zhong + "1"},
      {"GB18030",
       "\xd6\xd0"
       "1",
       false, zhong + "1"},
      {"a four-byte GB18030 character", "\x81\x30\x81\x30", false, "\xc2\x80"},
      {"neither", "A\xff", false, "A\xff"},
      {"empty", "", true, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isValidUtf8(c.bytes), c.utf8) << c.what;
    EXPECT_EQ(utf8FromUtf8OrGb18030(c.bytes), c.text) << c.what;
  }
}

}  // namespace
}  // namespace q7
