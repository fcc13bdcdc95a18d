#include "comm/hex_text.h"

#include <charconv>
#include <cstdio>

namespace q7 {

std::string formatByte(std::uint8_t value) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

std::string formatAddress(unsigned value) {
  char text[5];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFFu);
  return text;
}

std::optional<std::uint8_t> parseByteToken(std::string_view token) {
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, 16);
  if (token.empty() || ec != std::errc{} || end != token.data() + token.size() || value > 0xFF)
    return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

}  // namespace q7
