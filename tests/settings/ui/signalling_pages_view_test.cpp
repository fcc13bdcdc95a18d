// The DTMF, two-tone and Embedded Msg frames bound to the option model, offscreen.
#include "settings/ui/signalling_pages_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "settings/page_list.h"
#include "settings/serial_numbers.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

constexpr PageRegistration kPages[] = {addDtmfPage, addTwoTonePage, addEmbeddedMsgPage};

class SignallingPagesViewTest : public ::testing::Test {
 protected:
  SignallingPagesViewTest() {
    buildSignallingPages(
        binder, {&dtmf, &twoTone, &embedded},
        {[this] { ++pauseDialogs; }, [this] { importSeq(pages, prompts, dir.path().string()); }});
  }

  template <class Widget>
  Widget* child(QWidget& frame, const char* name) {
    auto* widget = frame.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void type(QWidget& frame, const char* box, const char* text) {
    auto* edit = child<QLineEdit>(frame, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  // Pastes `text` over the whole text of a box with Ctrl+A, Ctrl+V.
  void paste(QWidget& frame, const char* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    auto* edit = child<QLineEdit>(frame, box);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  }
  std::string bytes(std::size_t address, std::size_t count) const {
    std::string stored;
    for (std::size_t i = 0; i < count; ++i) stored += static_cast<char>(image[address + i]);
    return stored;
  }

  CodeplugImage image;
  CaptionTable captions{kEnglish};
  OptionPages pages{image, captions, kPages};
  ControlBinder binder{pages};
  QWidget dtmf, twoTone, embedded;
  int pauseDialogs = 0;
  test::ScriptedPrompts prompts;
  test::TempDir dir;
};

TEST_F(SignallingPagesViewTest, DtmfFramesShowTheLoadedOptions) {
  pages.initOpt();
  EXPECT_EQ(child<QGroupBox>(dtmf, "fraDtmfEnc")->title(), "DTMF Encode");
  EXPECT_EQ(child<QGroupBox>(dtmf, "fraStun")->title(), "Stun");
  EXPECT_EQ(child<QGroupBox>(dtmf, "fraAutoDialList")->title(), "Autodial List");
  EXPECT_EQ(child<QComboBox>(dtmf, "cboCodeContiTime")->currentText(), "510");
  EXPECT_EQ(child<QComboBox>(dtmf, "cboDtmfCallAlarm")->currentText(), "Off");
  EXPECT_FALSE(child<QComboBox>(dtmf, "cboDtmfCloseSort")->isEnabled());
  QTest::mouseClick(child<QPushButton>(dtmf, "cmdPttIdPauseChSet"), Qt::LeftButton);
  EXPECT_EQ(pauseDialogs, 1);
}

// The serial list is wide enough for its items, and the example shows its five lines.
TEST_F(SignallingPagesViewTest, SerialListAndExampleShowTheirWholeText) {
  pages.initOpt();
  const auto file = dir / "sn.ini";
  std::ofstream(file) << "[SerialNo]\n1=SN0001-2026-ABCD\n";
  prompts.fileNames.push_back(file.string());
  ASSERT_TRUE(test::activate(&embedded));
  QTest::mouseClick(child<QPushButton>(embedded, "cmdImportSeq"), Qt::LeftButton);
  auto* list = child<QComboBox>(embedded, "cboImportSeq");
  ASSERT_EQ(list->currentText(), "0001 -- SN0001-2026-ABCD");
  EXPECT_GE(list->width(), list->fontMetrics().horizontalAdvance(list->currentText()) + 16);
  auto* example = child<QPlainTextEdit>(embedded, "txtSeqExample");
  EXPECT_GE(example->viewport()->height(), 5 * example->fontMetrics().lineSpacing());
}

TEST_F(SignallingPagesViewTest, TypedCodesAreFilteredLimitedAndStored) {
  pages.initOpt();
  dtmf.show();
  type(dtmf, "txtPttBot", "12ab*#x9");
  EXPECT_EQ(child<QLineEdit>(dtmf, "txtPttBot")->text(), "12AB*#9");
  EXPECT_EQ(image[0x146], '9');
  EXPECT_EQ(image[0x147], 0xFF);
  type(dtmf, "txtDtmfIdCode", "123456789012");
  EXPECT_EQ(child<QLineEdit>(dtmf, "txtDtmfIdCode")->text(), "1234567890");
  type(dtmf, "txtDtmfCloseCode", "12");
  EXPECT_FALSE(child<QComboBox>(dtmf, "cboDtmfCloseSort")->isEnabled());
  QTest::keyClicks(child<QLineEdit>(dtmf, "txtDtmfCloseCode"), "3");
  EXPECT_TRUE(child<QComboBox>(dtmf, "cboDtmfCloseSort")->isEnabled());
}

// Separators in a pasted code take no room in the field: the box keeps and
// stores as many code characters as the field holds.
TEST_F(SignallingPagesViewTest, PastedCodesAreFilteredBeforeTheyAreCutToTheField) {
  struct Run {
    std::size_t address;
    std::string bytes;
  };
  struct Case {
    const char* box;
    const char* pasted;
    const char* shown;
    std::vector<Run> stored;
  };
  const Case cases[] = {
      {"txtDtmfIdCode", "12-34-56-78-90", "1234567890", {{0x120, "1234567890"}}},
      {"txtDtmfCloseCode", "12-34-56-78-90-1", "1234567890", {{0x1E0, "12345678"}, {0x1F8, "90"}}},
      {"txtPttBot", "*12 ab-CD#x34-56-78-90-12", "*12 ABCD#3456789", {{0x140, "*12 ABCD#3456789"}}},
      {"txtAutoMem(2)",
       "+1 (234) 567-89",
       "1 234 56789",
       {{0x220, "1 234 56789\xFF\xFF\xFF\xFF\xFF"}}},
  };
  pages.initOpt();
  dtmf.show();
  for (const Case& c : cases) {
    paste(dtmf, c.box, c.pasted);
    EXPECT_EQ(child<QLineEdit>(dtmf, c.box)->text().toStdString(), c.shown) << c.box;
    for (const Run& run : c.stored) {
      EXPECT_EQ(bytes(run.address, run.bytes.size()), run.bytes) << c.box << " " << run.address;
    }
  }
}

// Opens the cell's editor with the keyboard, types over what it holds, Enter.
void typeIntoCell(QTableWidget* grid, int row, int column, const char* text) {
  grid->setFocus();
  grid->setCurrentCell(row, column);
  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, grid) << "no editor opened";
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the view commits an edit ended by Enter once idle
}

TEST_F(SignallingPagesViewTest, TwoToneGridsShowAndStoreRecords) {
  const std::uint8_t record9[] = {0x10, 0x27, 15, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A};
  for (std::size_t i = 0; i < 8; ++i) image[0x2C0 + i] = record9[i];
  pages.initOpt();
  auto* second = child<QTableWidget>(twoTone, "vsfgGridTwoTone(1)");
  EXPECT_EQ(second->horizontalHeaderItem(1)->text(), "A Fre");
  EXPECT_EQ(second->item(0, 0)->text(), "9");
  EXPECT_EQ(second->item(0, 1)->text(), "1000.0");
  EXPECT_EQ(second->item(0, 2)->text(), "1.5");

  auto* first = child<QTableWidget>(twoTone, "vsfgGridTwoTone(0)");
  ASSERT_TRUE(test::activate(&twoTone));
  typeIntoCell(first, 7, 1, "4000");
  EXPECT_EQ(first->item(7, 1)->text(), "3106.0");
  EXPECT_EQ(first->item(7, 2)->text(), "1.0");
  EXPECT_EQ(image[0x2B8], 0x54);
  EXPECT_EQ(image[0x2B9], 0x79);
  EXPECT_EQ(image[0x2BF], 0x5A);

  // The frequency columns show one decimal, as the record stores them.
  struct Shown {
    const char* typed;
    const char* shown;
    std::uint8_t low, high;
  };
  for (const Shown& c :
       {Shown{"1234.56", "1234.6", 0x3A, 0x30}, Shown{"288.45", "288.5", 0x45, 0x0B}}) {
    typeIntoCell(first, 6, 1, c.typed);
    EXPECT_EQ(first->item(6, 1)->text(), c.shown) << c.typed;
    EXPECT_EQ(image[0x2B0], c.low) << c.typed;
    EXPECT_EQ(image[0x2B1], c.high) << c.typed;
  }

  // Any edit stores all sixteen records, also one that leaves its text as it was.
  image[0x2C0 + 2] = 0xC8;  // record 9's duration, out of range
  typeIntoCell(first, 6, 1, "288.5");
  EXPECT_EQ(image[0x2C0 + 2], 15);
  EXPECT_EQ(child<QCheckBox>(twoTone, "chkTtBeep")->text(), "Side Tone");
}

TEST_F(SignallingPagesViewTest, SerialNumbersImportStepAndFillInformationLineOne) {
  pages.initOpt();
  embedded.show();
  const auto file = dir / "sn.txt";
  std::ofstream(file) << "[SerialNo]\n1=SN-1\n2=SN-2\n";
  prompts.fileNames.push_back(file.string());
  auto* autoNext = child<QCheckBox>(embedded, "chkAutoNextSn");
  EXPECT_FALSE(autoNext->isVisible());
  EXPECT_TRUE(child<QPlainTextEdit>(embedded, "txtSeqExample")->isEnabled());

  QTest::mouseClick(child<QPushButton>(embedded, "cmdImportSeq"), Qt::LeftButton);
  EXPECT_EQ(child<QComboBox>(embedded, "cboImportSeq")->currentText(), "0001 -- SN-1");
  EXPECT_EQ(child<QLineEdit>(embedded, "txtInfo(1)")->text(), "SN-1");
  EXPECT_TRUE(autoNext->isVisible());
  EXPECT_FALSE(child<QPlainTextEdit>(embedded, "txtSeqExample")->isEnabled());

  QTest::mouseClick(child<QPushButton>(embedded, "cmdSeqSwitch(1)"), Qt::LeftButton);
  EXPECT_EQ(child<QLineEdit>(embedded, "txtInfo(1)")->text(), "SN-2");
  EXPECT_EQ(image.word(0x306), '2');
}

TEST_F(SignallingPagesViewTest, RadioIdDigitsAndInformationLines) {
  pages.initOpt();
  embedded.show();
  auto* digit = child<QComboBox>(embedded, "cboRadioId(1)");
  EXPECT_EQ(digit->currentText(), "Off");
  digit->setFocus();
  QTest::keyClick(digit, Qt::Key_Down);
  EXPECT_EQ(image[0x3E9], 0x1C);
  type(embedded, "txtInfo(2)", "HELLO WORLD");
  EXPECT_EQ(child<QLineEdit>(embedded, "txtInfo(2)")->text(), "HELLO WORLD");
  EXPECT_EQ(image.word(0x32A), 0);
  EXPECT_EQ(image.word(0x32C), 'W');
}

// The line holds 16 of the radio's characters; a pasted character the radio
// lacks takes one of them, however many UTF-16 units it needs.
TEST_F(SignallingPagesViewTest, PastedInformationLineIsCutToSixteenRadioCharacters) {
  pages.initOpt();
  embedded.show();
  paste(embedded, "txtInfo(1)", QString::fromUtf8("\xF0\x9F\x98\x80") + "ABCDEFGHIJKLMNOPQR");
  EXPECT_EQ(child<QLineEdit>(embedded, "txtInfo(1)")->text(), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(image.word(0x302), 'A');
  EXPECT_EQ(image.word(0x31E), 'O');
}

// The two-tone page's labels, information line 2's label and the serial file
// example read in the interface's language, Traditional Chinese in its own
// characters.
TEST(SignallingPagesView, TextsADealerReadsSpeakTheInterfaceLanguage) {
  struct Case {
    int language;
    std::vector<QString> labels;
    const char* sideTone;
    const char* example;
  };
  const Case cases[] = {
      {kSimplifiedChinese,
       {"预载波时间[毫秒]", "自动复位定时器", "信息2"},
       "侧音",
       "序列号示例:\n[SerialNo]\n1=第一个序列号\n2=第二个序列号\n3=第三个序列号\n"},
      {kTraditionalChinese,
       {"預載波時間[毫秒]", "自動復位計時器", "信息2"},
       "側音",
       "序列號示例:\n[SerialNo]\n1=第一個序列號\n2=第二個序列號\n3=第三個序列號\n"},
      {kEnglish,
       {"First Digit Delay Time[ms]", "Auto Reset Timer", "Message 2"},
       "Side Tone",
       "SN Example:\n[SerialNo]\n1=SN First\n2=SN Second\n3=SN Third\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    CodeplugImage image;
    CaptionTable captions(c.language);
    OptionPages pages(image, captions, kPages);
    ControlBinder binder(pages);
    QWidget dtmf, twoTone, embedded;
    buildSignallingPages(binder, {&dtmf, &twoTone, &embedded}, {});
    QStringList shown;
    for (QWidget* frame : {&twoTone, &embedded})
      for (const QLabel* label : frame->findChildren<QLabel*>()) shown << label->text();
    for (const QString& label : c.labels) EXPECT_TRUE(shown.contains(label)) << label.toStdString();
    const auto* beep = twoTone.findChild<QCheckBox*>("chkTtBeep");
    const auto* example = embedded.findChild<QPlainTextEdit*>("txtSeqExample");
    ASSERT_TRUE(beep && example);
    EXPECT_EQ(beep->text(), QString::fromUtf8(c.sideTone));
    EXPECT_EQ(example->toPlainText(), QString::fromUtf8(c.example));
  }
}

TEST(SignallingPagesView, PagesFitTheWidthOfASmallScreenInEveryLanguage) {
  for (int language : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
    CodeplugImage image;
    CaptionTable captions(language);
    OptionPages pages(image, captions, kPages);
    ControlBinder binder(pages);
    QWidget dtmf, twoTone, embedded;
    buildSignallingPages(binder, {&dtmf, &twoTone, &embedded}, {});
    pages.initOpt();  // the lists' widths follow their items
    for (QWidget* frame : {&dtmf, &embedded}) {
      auto* scroll = frame->findChild<QScrollArea*>();
      ASSERT_NE(scroll, nullptr);
      EXPECT_LE(scroll->widget()->sizeHint().width(), 1000) << language;
    }
    EXPECT_LE(twoTone.sizeHint().width(), 1000) << language;
  }
}

}  // namespace
}  // namespace q7
