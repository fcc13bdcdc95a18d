#include "settings/radio_id.h"

#include "shell/error_report.h"

namespace q7 {

namespace {

constexpr int kOffRow = 353;
constexpr int kHighestDigit = 9;
constexpr std::uint8_t kOffNibble = 0xC;

struct NibbleSpot {
  std::size_t address;
  int shift;
};

NibbleSpot spotOf(int digit) {
  if (digit < 0 || digit >= kRadioIdDigits) throw Failure(err::kIndexRange, "frmChMem");
  return {kRadioIdBase + static_cast<std::size_t>(digit / 2), (digit % 2) * 4};
}

}  // namespace

int radioIdPosition(const CodeplugImage& image, int digit) {
  const NibbleSpot spot = spotOf(digit);
  const int nibble = (image[spot.address] >> spot.shift) & 0x0F;
  return nibble <= kHighestDigit ? nibble : 0;
}

void setRadioIdDigit(CodeplugImage& image, int digit, int position) {
  if (position < 0 || position > kHighestDigit) throw Failure(err::kInvalidCall, "frmChMem");
  const NibbleSpot spot = spotOf(digit);
  const int nibble = position == 0 ? kOffNibble : position;
  const int kept = image[spot.address] & ~(0x0F << spot.shift);
  image[spot.address] = static_cast<std::uint8_t>(kept | (nibble << spot.shift));
}

std::vector<std::string> radioIdItems(const CaptionTable& captions) {
  std::vector<std::string> items = {captions(kOffRow)};
  for (int d = 1; d <= kHighestDigit; ++d) items.push_back(std::to_string(d));
  return items;
}

}  // namespace q7
