// What becomes of a frequency typed into the grid, and what the user is told.
#include "channels/typed_frequency.h"

#include <gtest/gtest.h>

#include "channels/grid_fixture.h"

namespace q7 {
namespace {

constexpr BandLimits kBand{40000000, 47000000};
constexpr std::int32_t kRx = 44610000;  // 446.1 MHz
using Kind = TypedFrequency::Kind;

struct Entry {
  const char* typed;
  std::optional<std::int32_t> rx;  // set when typed into the TX cell
  Kind kind;
  std::int32_t stored;
  const char* note;
};

const Entry kEntries[] = {
    {"446.00625", {}, Kind::kValue, 44600625, ""},
    {" 446.1 ", {}, Kind::kValue, 44610000, ""},
    {"500", {}, Kind::kValue, 47000000, "500 is above the band 400–470 MHz: set to 470.00000"},
    {"300", {}, Kind::kValue, 40000000, "300 is below the band 400–470 MHz: set to 400.00000"},
    {"446.0031", {}, Kind::kValue, 44600500, "446.0031 is off the channel step: set to 446.00500"},
    {"99999999999",
     {},
     Kind::kValue,
     40000000,
     "99999999999 is above the band 400–470 MHz: set to 400.00000"},
    {"446,5", {}, Kind::kUnreadable, 0, "446,5 is not a frequency"},
    {"abc", kRx, Kind::kUnreadable, 0, "abc is not a frequency"},
    {"", {}, Kind::kEmpty, 0, ""},
    {"   ", kRx, Kind::kEmpty, 0, ""},
    // Offsets from RX in the TX cell, moved onto the step and into the band like any entry.
    {"+5", kRx, Kind::kValue, 45110000, ""},
    {"-7.6", kRx, Kind::kValue, 43850000, ""},
    {"+30", kRx, Kind::kValue, 47000000, "476.1 is above the band 400–470 MHz: set to 470.00000"},
    {"-50", kRx, Kind::kValue, 40000000, "396.1 is below the band 400–470 MHz: set to 400.00000"},
    {"+0.0031", kRx, Kind::kValue, 44610500, "446.1031 is off the channel step: set to 446.10500"},
    {"450", kRx, Kind::kValue, 45000000, ""},
    // Without RX a sign is only a sign.
    {"+5", {}, Kind::kValue, 40000000, "+5 is below the band 400–470 MHz: set to 400.00000"},
};

TEST(TypedFrequency, ValuesAndNotesInEnglish) {
  const CaptionTable english(kEnglish);
  for (const Entry& e : kEntries) {
    const TypedFrequency entry = readTypedFrequency(e.typed, kBand, e.rx);
    EXPECT_EQ(entry.kind, e.kind) << '"' << e.typed << '"';
    if (e.kind == Kind::kValue) {
      EXPECT_EQ(entry.stored, e.stored) << e.typed;
    }
    EXPECT_EQ(typedFrequencyNote(entry, kBand, english), e.note) << '"' << e.typed << '"';
  }
}

TEST(TypedFrequency, NotesFollowTheInterfaceLanguage) {
  const TypedFrequency above = readTypedFrequency("500", kBand);
  const TypedFrequency unreadable = readTypedFrequency("446,5", kBand);
  EXPECT_EQ(typedFrequencyNote(above, kBand, CaptionTable(kSimplifiedChinese)),
            "500 高于频段 400–470 MHz：已设为 470.00000");
  EXPECT_EQ(typedFrequencyNote(above, kBand, CaptionTable(kTraditionalChinese)),
            "500 高於頻段 400–470 MHz：已設為 470.00000");
  EXPECT_EQ(typedFrequencyNote(unreadable, kBand, CaptionTable(kTraditionalChinese)),
            "446,5 不是頻率");
}

using GridNotes = test::GridFixture;

// Text that is no number leaves the channel as it was; the grid says why.
TEST_F(GridNotes, UnreadableTextChangesNothingAndIsReported) {
  typeRx(1, "446.1");
  EXPECT_EQ(grid.takeNote(), "");
  const CodeplugImage before = state.image;
  for (const int column : {col::kRx, col::kTx}) {
    grid.click(1, column);
    ASSERT_TRUE(grid.beforeEdit(1, column).allowed);
    grid.afterEdit(1, column, "446,5");
    EXPECT_EQ(text(1, column), "446.1") << column;
    EXPECT_EQ(grid.takeNote(), "446,5 is not a frequency") << column;
    EXPECT_EQ(grid.takeNote(), "") << "a note is told once";
  }
  EXPECT_EQ(state.image, before);
}

TEST_F(GridNotes, TxTakesAnOffsetFromRx) {
  typeRx(2, "446.1");
  grid.afterEdit(2, col::kTx, "+5");
  EXPECT_EQ(text(2, col::kTx), "451.1");
  grid.afterEdit(2, col::kTx, "-7.6");
  EXPECT_EQ(text(2, col::kTx), "438.5");
  EXPECT_EQ(text(2, col::kRx), "446.1");
  grid.afterEdit(2, col::kTx, "+30");
  EXPECT_EQ(text(2, col::kTx), "470");
  EXPECT_EQ(grid.takeNote(), "476.1 is above the band 400–470 MHz: set to 470.00000");
}

}  // namespace
}  // namespace q7
