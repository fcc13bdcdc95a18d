#include "channels/tone_codec.h"

#include "channels/decimal_text.h"
#include "foundation/caption_table.h"
#include "foundation/error_report.h"

namespace q7 {

const std::array<const char*, kDcsCount> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

namespace {

constexpr int kCtcssLowest = 600;    // 60.0 Hz in 0.1 Hz
constexpr int kCtcssHighest = 2650;  // 265.0 Hz
constexpr int kCtcssTextLongest = 7;

struct DcsForm {
  std::uint16_t first, last;
  char suffix;
};
// The DCS word ranges and the suffix each one shows.
constexpr DcsForm kDcsForms[] = {{0x2800, 0x29FF, 'N'}, {0xA800, 0xA9FF, 'I'}};
constexpr std::uint16_t kDcsNormalBase = 0x2800;
constexpr std::uint16_t kDcsInvertedBase = 0xA800;

bool isOctal(char c) {
  return c >= '0' && c <= '7';
}

bool octalAt(const std::string& text, std::size_t first) {
  return text.size() >= first + 3 && isOctal(text[first]) && isOctal(text[first + 1]) &&
         isOctal(text[first + 2]);
}

char suffixAt(const std::string& text, std::size_t at) {
  if (at < text.size() && (text[at] == 'I' || text[at] == 'i')) return 'I';
  return 'N';
}

std::string ctcssText(std::int64_t tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string dcsText(const std::string& digits, char suffix) {
  return "D" + digits + suffix;
}

}  // namespace

std::string toneOffText(int language) {
  switch (normalizeLanguage(language)) {
    case kSimplifiedChinese:
      return "无";
    case kTraditionalChinese:
      return "無";
    default:
      return "None";
  }
}

ToneCodec::ToneCodec(std::string offText, std::vector<std::string> ctcss)
    : offText_(std::move(offText)) {
  ctcss.resize(kCtcssCount, "0");
  list_.reserve(kToneListSize);
  list_.push_back(offText_);
  list_.insert(list_.end(), ctcss.begin(), ctcss.end());
  for (const char suffix : {'N', 'I'}) {
    for (const char* code : kDcsCodes) list_.push_back(dcsText(code, suffix));
  }
}

ToneCodec ToneCodec::fromSettings(const ProfileFile& settings, int language) {
  std::vector<std::string> ctcss;
  for (int key = 1; key <= kCtcssCount; ++key) {
    ctcss.push_back(settings.read(kCtcssSection, std::to_string(key), "0", kCtcssTextLongest));
  }
  return ToneCodec(toneOffText(language), std::move(ctcss));
}

std::string ToneCodec::qtDqtIicToChar(std::uint16_t word) const {
  if (word >= kCtcssLowest && word <= kCtcssHighest) return ctcssText(word);
  for (const DcsForm& form : kDcsForms) {
    if (word < form.first || word > form.last) continue;
    const int code = word & 0x1FF;
    const std::string digits = {static_cast<char>('0' + code / 64),
                                static_cast<char>('0' + code / 8 % 8),
                                static_cast<char>('0' + code % 8)};
    return dcsText(digits, form.suffix);
  }
  return offText_;
}

std::uint16_t ToneCodec::qtDqtCharToIic(const std::string& text) const {
  if (text.empty() || text == offText_) return kToneOff;
  if (isNumeric(text)) {
    const auto tenths = scaledHalfEven(text, 1);
    if (!tenths || *tenths < 0 || *tenths > 0xFFFF) throw Failure(err::kOverflow, text);
    return static_cast<std::uint16_t>(*tenths);
  }
  if (text.front() != 'D' || !octalAt(text, 1)) throw Failure(err::kTypeMismatch, text);
  const int code = (text[1] - '0') * 64 + (text[2] - '0') * 8 + (text[3] - '0');
  const bool normal = text.size() > 4 && text[4] == 'N';
  return static_cast<std::uint16_t>((normal ? kDcsNormalBase : kDcsInvertedBase) + code);
}

std::string ToneCodec::normalise(const std::string& typed) const {
  if (isNumeric(typed)) {
    const auto tenths = scaledHalfEven(typed, 1);
    if (tenths && *tenths >= kCtcssLowest && *tenths <= kCtcssHighest) return ctcssText(*tenths);
    return octalAt(typed, 0) ? dcsText(typed.substr(0, 3), 'N') : offText_;
  }
  const std::size_t digitsAt = !typed.empty() && typed.front() == 'D' ? 1 : 0;
  if (!octalAt(typed, digitsAt)) return offText_;
  return dcsText(typed.substr(digitsAt, 3), suffixAt(typed, digitsAt + 3));
}

}  // namespace q7
