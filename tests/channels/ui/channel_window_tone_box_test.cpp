// Typing into the grid's tone box: what is stored is what the normalising
// rules make of the typed text, however the user leaves the box.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <ostream>
#include <tuple>

#include "channels/ui/channel_window_fixture.h"

namespace q7 {
namespace {

struct TypedTone {
  const char* typed;
  const char* stored;  // the text the grid shows
  std::uint16_t word;  // the tone word in the channel record
};

void PrintTo(const TypedTone& tone, std::ostream* out) {
  *out << '"' << tone.typed << '"';
}

// Texts that start like a list entry but normalise otherwise, and texts that
// are list entries as typed.
const TypedTone kTypedTones[] = {
    {"250", "250.0", 2500},      {"8", "None", kToneOff},    {"15", "None", kToneOff},
    {"d023i", "None", kToneOff}, {"88.5", "88.5", 885},      {"D023N", "D023N", 0x2813},
    {"023i", "D023I", 0xA813},   {"D754I", "D754I", 0xA9EC},
};

// How the user leaves the box after typing.
enum class Leave { kEnter, kTab, kClickOtherCell, kListEscThenEnter };

void PrintTo(Leave leave, std::ostream* out) {
  constexpr const char* kNames[] = {"Enter", "Tab", "ClickOtherCell", "ListEscThenEnter"};
  *out << kNames[static_cast<int>(leave)];
}

using ToneBoxList = test::WindowFixture;

class ToneBoxTyping : public test::WindowFixture,
                      public ::testing::WithParamInterface<std::tuple<TypedTone, Leave>> {
 protected:
  void leave(Leave how) {
    QComboBox* box = toneBox();
    switch (how) {
      case Leave::kEnter:
        QTest::keyClick(box, Qt::Key_Return);
        break;
      case Leave::kTab:
        QTest::keyClick(box, Qt::Key_Tab);
        break;
      case Leave::kClickOtherCell:
        clickCell(1, 6);
        break;
      case Leave::kListEscThenEnter:
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(box->view()->isVisible()) << "the list did not open";
        QTest::keyClick(box->view(), Qt::Key_Escape);
        ASSERT_FALSE(box->view()->isVisible());
        EXPECT_EQ(box->currentText().toStdString(), std::get<0>(GetParam()).typed)
            << "dismissing the list";
        QTest::keyClick(box, Qt::Key_Return);
        break;
    }
  }
};

TEST_P(ToneBoxTyping, StoresTheNormalisedTypedText) {
  const auto& [tone, how] = GetParam();
  typeInto(1, 1, "446.1");
  clickCell(1, 3);
  ASSERT_TRUE(toneBox()->isVisible());
  QTest::keyClick(toneBox(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(toneBox(), tone.typed);
  EXPECT_EQ(toneBox()->currentText().toStdString(), tone.typed) << "completed inline";
  leave(how);
  EXPECT_FALSE(toneBox()->isVisible());
  EXPECT_EQ(cell(1, 3).toStdString(), tone.stored);
  EXPECT_EQ(cell(1, 4).toStdString(), tone.stored);
  window->storeChannels();
  EXPECT_EQ(state.image.word(0x10 + 8), tone.word);
  EXPECT_EQ(state.image.word(0x10 + 10), tone.word);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ToneBoxTyping,
                         ::testing::Combine(::testing::ValuesIn(kTypedTones),
                                            ::testing::Values(Leave::kEnter, Leave::kTab,
                                                              Leave::kClickOtherCell,
                                                              Leave::kListEscThenEnter)));

// The list is still an offer: an entry picked with the keys is stored.
TEST_F(ToneBoxList, PickingAnEntryWithTheKeysStoresIt) {
  typeInto(2, 1, "446.1");
  clickCell(2, 4);
  ASSERT_TRUE(toneBox()->isVisible());
  QTest::keyClick(toneBox(), Qt::Key_Down, Qt::AltModifier);
  QAbstractItemView* list = toneBox()->view();
  ASSERT_TRUE(list->isVisible());
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < 9; ++i) QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(toneBox()->currentText().toStdString(), "88.5");
  QTest::keyClick(toneBox(), Qt::Key_Return);
  EXPECT_EQ(cell(2, 4).toStdString(), "88.5");
  EXPECT_EQ(cell(2, 3).toStdString(), "None");
  window->storeChannels();
  EXPECT_EQ(state.image.word(0x20 + 10), 885);
}

}  // namespace
}  // namespace q7
