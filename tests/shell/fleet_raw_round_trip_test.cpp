// Fleet files of images the editor could not make (channel records of random
// bytes, frequencies outside the band or with digits that are not decimal,
// tone words no list holds, information lines of random character numbers,
// band limits of random bytes)
// give back exactly what Save writes after opening the image, with warnings
// and never a refusal; and a named value changed in an exported file lands
// exactly while no byte outside the ones it covers moves.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "channels/channel_entry.h"
#include "channels/decimal_text.h"
#include "channels/radio_charset.h"
#include "shell/fleet_builder.h"
#include "shell/fleet_json.h"
#include "support/opened_file.h"
#include "support/random_image.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

constexpr unsigned kRawFiles = 60;

// A random image with, in each channel slot, one thing no editor writes, and
// in some images band limits of random bytes.
CodeplugImage rawImage(unsigned seed) {
  CodeplugImage image = test::randomImage(seed);
  std::mt19937 random(seed * 7919u);
  for (int channel = 1; channel <= kChannelSlots; ++channel) {
    const std::size_t record = recordAddress(channel);
    const std::size_t field = record + (random() % 2 ? kRxOffset : kTxOffset);
    switch (random() % 5) {
      case 0:
        encodeFrequency(image, field, static_cast<std::int32_t>(1000000 + random() % 90000000));
        break;
      case 1:
        image[field + random() % 4] = static_cast<std::uint8_t>(random());
        break;
      case 2:
        for (std::size_t i = 0; i < kRecordSize; ++i)
          image[record + i] = static_cast<std::uint8_t>(random());
        break;
      case 3:
        image.setWord(record + kRxToneOffset, static_cast<std::uint16_t>(random()));
        break;
      default:
        break;
    }
  }
  for (int line = 1; line <= kInfoLineCount; ++line)
    for (std::size_t i = 0; i < kInfoLineBytes; ++i)
      image[infoLineAddress(line) + i] = static_cast<std::uint8_t>(random());
  if (random() % 3 == 0) {
    for (std::size_t i = 0; i < 4; ++i)
      image[map::kBandLower + i] = static_cast<std::uint8_t>(random());
  }
  return image;
}

struct RawFile {
  RawFile(const test::TempDir& dir, unsigned seed) : file(path(dir, seed), kEnglish) {
    file.editor.storeChannels();
    saved = file.state.image;
    exported = Json::parse(exportFleet(file.editor, file.state));
  }
  static std::filesystem::path path(const test::TempDir& dir, unsigned seed) {
    const auto name = dir.path() / ("raw-" + std::to_string(seed) + ".dat");
    writeDataFile(name, rawImage(seed));
    return name;
  }
  test::OpenedFile file;
  CodeplugImage saved;  // what Save writes right after the open
  Json exported;
};

FleetImport imported(const Json& json, const RawFile& raw) {
  return importFleet(json.dump(), raw.file.state);
}

TEST(FleetRoundTrip, ImagesTheEditorCouldNotMakeComeBackExactly) {
  const test::TempDir dir;
  for (unsigned seed = 1; seed <= kRawFiles; ++seed) {
    const RawFile raw(dir, seed);
    const FleetImport built = imported(raw.exported, raw);
    ASSERT_EQ(built.faults, std::vector<std::string>{}) << "seed " << seed;
    for (std::size_t i = 0; i < raw.saved.size(); ++i)
      ASSERT_EQ(built.image[i], raw.saved[i]) << "seed " << seed << " byte 0x" << std::hex << i;
  }
}

// The bits a named value covers, by byte.
using Coverage = std::map<std::size_t, std::uint8_t>;

Coverage channelCoverage(int channel) {
  Coverage bits;
  for (std::size_t i = 0; i < kRecordSize; ++i) bits[recordAddress(channel) + i] = 0xFF;
  const int bit = channel - 1;
  bits[map::kChannelBitmap + static_cast<std::size_t>(bit / 8)] =
      static_cast<std::uint8_t>(1u << (bit % 8));
  return bits;
}

// One random edit of a named value; returns the bits the value covers and
// leaves in `where` the path whose text must read back as typed.
Coverage editValue(Json& json, std::mt19937& random, const RawFile& raw, Json::json_pointer& where,
                   std::string& typed) {
  const int channel = 1 + static_cast<int>(random() % kChannelSlots);
  const std::string slot = "/channels/" + std::to_string(channel - 1);
  const BandLimits band = raw.file.editor.modelBand().limits;
  const auto inBand = [&] {
    const std::int64_t step = snapToChannelStep(
        band.lower + static_cast<std::int32_t>(random() % (band.upper - band.lower)));
    return decimalText(std::min<std::int64_t>(step, band.upper), 5);
  };
  const bool used = json[Json::json_pointer(slot + "/rx")] != "";
  static const char* const kTones[] = {"67.0", "88.5", "254.1", "D023N", "D754I"};
  switch (used ? random() % 5 : 4) {
    case 0:
      where = Json::json_pointer(slot + "/tx");
      typed = inBand();
      break;
    case 1:
    case 2:
      where = Json::json_pointer(slot + (random() % 2 ? "/rxTone" : "/txTone"));
      typed = kTones[random() % std::size(kTones)];
      if (json[Json::json_pointer(slot + "/tx")] == "")
        where = Json::json_pointer(slot + "/rxTone");
      break;
    case 3: {
      const Json& options = json[Json::json_pointer(slot + "/options")];
      auto item = options.begin();
      std::advance(item, static_cast<long>(random() % options.size()));
      const GridLayout& layout = raw.file.editor.grid().layout();
      int column = col::kFirstOption;
      while (!(isOptionColumn(column) && layout.captions.at(column) == item.key())) ++column;
      const auto items = layout.at(column).dropList();
      where = Json::json_pointer(slot + "/options/" + item.key());
      typed = items[random() % items.size()];
      break;
    }
    default:
      if (random() % 2) {
        const int line = 1 + static_cast<int>(random() % kInfoLineCount);
        where = Json::json_pointer("/infoLines/" + std::to_string(line - 1));
        typed = std::to_string(random() % 100000);
        json[where] = typed;
        Coverage bits;
        for (std::size_t i = 0; i < kInfoLineBytes; ++i) bits[infoLineAddress(line) + i] = 0xFF;
        return bits;
      }
      where = Json::json_pointer(slot + "/rx");
      typed = inBand();
      if (!used) json[Json::json_pointer(slot)] = {{"channel", channel}, {"rx", typed}};
  }
  json[where] = typed;
  return channelCoverage(channel);
}

TEST(FleetRoundTrip, AnEditedValueLandsExactlyAndNothingElseMoves) {
  const test::TempDir dir;
  for (unsigned seed = 1; seed <= kRawFiles; ++seed) {
    const RawFile raw(dir, seed);
    std::mt19937 random(seed);
    Json json = raw.exported;
    Json::json_pointer where;
    std::string typed;
    const Coverage covered = editValue(json, random, raw, where, typed);
    const std::string what =
        "seed " + std::to_string(seed) + " " + where.to_string() + " = " + typed;
    const FleetImport built = imported(json, raw);
    ASSERT_EQ(built.faults, std::vector<std::string>{}) << what;
    for (std::size_t i = 0; i < raw.saved.size(); ++i) {
      const auto found = covered.find(i);
      const unsigned mask = found == covered.end() ? 0xFFu : ~found->second & 0xFFu;
      ASSERT_EQ(built.image[i] & mask, raw.saved[i] & mask)
          << what << ": byte 0x" << std::hex << i << " moved";
    }
    const auto path = dir.path() / "edited.dat";
    writeDataFile(path, built.image);
    test::OpenedFile reopened(path, kEnglish);
    const Json again = Json::parse(exportFleet(reopened.editor, reopened.state));
    EXPECT_EQ(again[where], typed) << what;
  }
}

// The cases dealers met: a value typed over carried bytes is stored as typed.
struct TypedOverCarried {
  const char* what;
  std::function<void(CodeplugImage&)> raw;                 // what the data file holds
  std::vector<std::pair<std::string, std::string>> typed;  // JSON path, text
  std::size_t first, size;                                 // the bytes that change
  std::vector<std::uint8_t> bytes;                         // what they must hold
};

TEST(FleetRoundTrip, AValueTypedOverCarriedBytesIsStoredAsTyped) {
  const std::vector<TypedOverCarried> cases = {
      {"RX with a digit that is not decimal",
       [](CodeplugImage& image) {
         encodeFrequency(image, recordAddress(1) + kRxOffset, 12000000);
         image[recordAddress(1) + kRxOffset + 1] = 0x0C;
       },
       {{"/channels/0/rx", "446.5"}, {"/channels/0/tx", "446.5"}},
       recordAddress(1),
       8,
       {0x00, 0x00, 0x65, 0x44, 0x00, 0x00, 0x65, 0x44}},
      {"information line of characters the table lacks",
       [](CodeplugImage& image) {
         for (std::size_t i = 0; i < kInfoLineBytes; ++i) image[infoLineAddress(1) + i] = 0xEE;
       },
       {{"/infoLines/0", "999"}},
       infoLineAddress(1),
       6,
       {'9', 0x00, '9', 0x00, '9', 0x00}},
  };
  const test::TempDir dir;
  for (const TypedOverCarried& c : cases) {
    const auto path = dir.path() / "carried.dat";
    test::OpenedFile blank(kEnglish);
    CodeplugImage image = blank.state.image;
    storeBandLimits(image, {40000000, 47000000});
    c.raw(image);
    writeDataFile(path, image);
    test::OpenedFile file(path, kEnglish);
    Json json = Json::parse(exportFleet(file.editor, file.state));
    for (const auto& [where, text] : c.typed) json[Json::json_pointer(where)] = text;
    const FleetImport built = importFleet(json.dump(), file.state);
    ASSERT_EQ(built.faults, std::vector<std::string>{}) << c.what;
    for (std::size_t i = 0; i < c.size; ++i)
      EXPECT_EQ(built.image[c.first + i], c.bytes[i]) << c.what << " byte " << i;
  }
}

}  // namespace
}  // namespace q7
