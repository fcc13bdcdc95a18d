#pragma once
// Bytes and addresses as the program shows them: upper-case hexadecimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q7 {

// Two upper-case hex digits: 0x0A gives "0A".
std::string formatByte(std::uint8_t value);
// Four upper-case hex digits, high byte first: 0x388 gives "0388".
std::string formatAddress(unsigned value);
// A script token read as one hexadecimal byte ("06", "5A"); nullopt otherwise.
std::optional<std::uint8_t> parseByteToken(std::string_view token);

}  // namespace q7
