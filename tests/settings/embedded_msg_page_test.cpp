// The Embedded Msg page: radio ID, information lines and serial numbers.
#include <gtest/gtest.h>

#include <fstream>

#include "settings/serial_numbers.h"
#include "signalling_pages.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using test::SignallingPages;

std::string digit(int k) {
  return elementName("cboRadioId", k);
}

TEST(RadioIdDigits, AreNibblesLowFirstWithOffAsC) {
  SignallingPages t;
  t.pages.initOpt();
  for (int k = 0; k < 6; ++k) t.pages.choose(digit(k), k + 1);
  EXPECT_EQ(t.bytes(0x3E9, 3), (std::vector<int>{0x21, 0x43, 0x65}));
  t.chooseItem(digit(0), "Off");
  EXPECT_EQ(t.image[0x3E9], 0x2C);
  EXPECT_EQ(t.image[0x3E8], 0);
  EXPECT_EQ(t.image[0x3EC], 0);
}

TEST(RadioIdDigits, StoredNibblesShowTheirDigitOrOffAndOffIsRewrittenAsC) {
  struct Case {
    std::uint8_t stored;
    const char* low;
    const char* high;
    std::uint8_t after;
  };
  const Case cases[] = {{0x00, "Off", "Off", 0xCC}, {0x91, "1", "9", 0x91},
                        {0xA5, "5", "Off", 0xC5},   {0x3F, "Off", "3", 0x3C},
                        {0xCC, "Off", "Off", 0xCC}, {0xFF, "Off", "Off", 0xCC}};
  for (const Case& c : cases) {
    SignallingPages t;
    for (std::size_t a = 0x3E9; a <= 0x3EB; ++a) t.image[a] = c.stored;
    t.pages.initOpt();
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(t.shown(digit(k)), k % 2 == 0 ? c.low : c.high) << int(c.stored) << " " << k;
    }
    EXPECT_EQ(t.bytes(0x3E9, 3), std::vector<int>(3, c.after)) << int(c.stored);
  }
}

TEST(RadioIdDigits, AnnouncementFlag) {
  SignallingPages t;
  t.image[0x36A] = 0x02;
  t.pages.initOpt();
  EXPECT_TRUE(t.pages.control("chkAnRadioId").checked);
  t.pages.click("chkAnRadioId", false);
  EXPECT_EQ(t.image[0x36A], 0x00);
}

TEST(InformationLines, TypedLinesAreStoredAsCharacterNumbers) {
  SignallingPages t(0xFF);
  t.pages.initOpt();
  t.pages.type("txtInfo(1)", "AB");
  EXPECT_EQ(t.image.word(0x300), 65);
  EXPECT_EQ(t.image.word(0x302), 66);
  EXPECT_EQ(t.bytes(0x304, 28), std::vector<int>(28, 0));
  EXPECT_EQ(t.bytes(0x320, 32), std::vector<int>(32, 0xFF));  // line 2 untouched

  t.pages.type("txtInfo(2)", "一\"");
  EXPECT_EQ(t.image.word(0x320), 1000);
  EXPECT_EQ(t.image.word(0x322), 21902);  // not in the table: shows nothing
  EXPECT_EQ(t.text("txtInfo(2)"), "一");
}

TEST(InformationLines, LongLinesAreCutAndTypedBlanksStayInTheBox) {
  SignallingPages t;
  t.pages.initOpt();
  t.pages.type("txtInfo(1)", "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(t.text("txtInfo(1)"), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(t.image.word(0x31E), 'P');
  t.pages.type("txtInfo(1)", "AB ");
  EXPECT_EQ(t.text("txtInfo(1)"), "AB ");
  t.pages.type("txtInfo(1)", "AB C");
  EXPECT_EQ(t.text("txtInfo(1)"), "AB C");
  EXPECT_EQ(t.image.word(0x304), 0);
  EXPECT_EQ(t.image.word(0x306), 'C');
}

TEST(InformationLines, LoadingShowsTheLinesWithoutRewritingThem) {
  SignallingPages t(0xFF);
  t.image.setWord(0x300, 'H');
  t.image.setWord(0x302, 'I');
  t.image.setWord(0x320, 0x558D);
  t.pages.initOpt();
  EXPECT_EQ(t.text("txtInfo(1)"), "HI");
  EXPECT_EQ(t.text("txtInfo(2)"), "龥");
  EXPECT_EQ(t.bytes(0x304, 28), std::vector<int>(28, 0xFF));
  EXPECT_EQ(t.bytes(0x322, 30), std::vector<int>(30, 0xFF));
}

class SerialNumbers : public ::testing::Test {
 protected:
  SerialNumbers() { t.pages.initOpt(); }

  std::filesystem::path writeFile(const std::string& text) {
    const auto path = dir / "serials.txt";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  void import(const std::string& text) {
    prompts.fileNames.push_back(writeFile(text).string());
    EXPECT_TRUE(importSeq(t.pages, prompts, "/data/dir"));
  }
  int selected() const { return t.pages.control("cboImportSeq").selected; }
  bool switchesEnabled() const {
    return t.pages.control("cmdSeqSwitch(0)").enabled && t.pages.control("cmdSeqSwitch(1)").enabled;
  }

  test::TempDir dir;
  test::ScriptedPrompts prompts;
  SignallingPages t;
};

TEST_F(SerialNumbers, ImportStopsAtTenThousandKeys) {
  for (const int keys : {10000, 10001}) {
    std::string text = "[SerialNo]\n";
    for (int n = 1; n <= keys; ++n) text += std::to_string(n) + "=SN" + std::to_string(n) + "\n";
    const std::vector<std::string> serials = readSerialNumbers(writeFile(text));
    ASSERT_EQ(serials.size(), 10000u) << keys;
    EXPECT_EQ(serials.back(), "SN10000") << keys;
  }
}

TEST_F(SerialNumbers, FileIsReadUpToTheFirstMissingOrEmptyKey) {
  EXPECT_EQ(readSerialNumbers(writeFile("[SerialNo]\r\n1= A-001 \r\n2=A-002\r\n4=A-004\r\n")),
            (std::vector<std::string>{"A-001", "A-002"}));
  EXPECT_EQ(readSerialNumbers(writeFile("[Other]\n1=X\n[serialno]\n2=B\n1=A\n1=A2\n3= \n4=D\n")),
            (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(readSerialNumbers(writeFile("[Setting]\n1=A\n")).empty());
  EXPECT_TRUE(readSerialNumbers(dir / "missing.txt").empty());
  const auto cut = readSerialNumbers(writeFile("[SerialNo]\n1=" + std::string(150, '7') + "\n"));
  EXPECT_EQ(cut, (std::vector<std::string>{std::string(99, '7')}));
}

TEST_F(SerialNumbers, FileInUtf8OrInTheLocalChineseCodePage) {
  // "对讲机01" in UTF-8 and in GB18030.
  const std::string utf8 =
      "\xe5\xaf\xb9\xe8\xae\xb2\xe6\x9c\xba"
      "01";
  const std::string gb18030 =
      "\xb6\xd4\xbd\xb2\xbb\xfa"
      "01";
  for (const std::string& serial : {utf8, gb18030}) {
    EXPECT_EQ(readSerialNumbers(writeFile("[SerialNo]\r\n1=" + serial + "\r\n")),
              (std::vector<std::string>{utf8}));
  }
}

TEST_F(SerialNumbers, ItemsShowFourDigitNumbers) {
  EXPECT_EQ(serialItemText(1, "SN1"), "0001 -- SN1");
  EXPECT_EQ(serialItemText(10000, "X -- Y"), "10000 -- X -- Y");
  EXPECT_EQ(serialOfItem("10000 -- X -- Y"), "X -- Y");
}

TEST_F(SerialNumbers, ImportWithAMissingKeyListsTheNumbersBeforeIt) {
  EXPECT_FALSE(autoNextShown(t.pages));
  EXPECT_TRUE(t.pages.control("txtSeqExample").enabled);
  import("[SerialNo]\n1=SN First\n2=SN Second\n4=SN Fourth\n");
  EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{"/data/dir"}));
  EXPECT_EQ(t.pages.control("cboImportSeq").items,
            (std::vector<std::string>{"0001 -- SN First", "0002 -- SN Second"}));
  EXPECT_EQ(selected(), 0);
  EXPECT_EQ(t.text("txtInfo(1)"), "SN First");
  EXPECT_EQ(t.image.word(0x300), 'S');
  EXPECT_TRUE(switchesEnabled());
  EXPECT_TRUE(autoNextShown(t.pages));
  EXPECT_FALSE(t.pages.control("txtSeqExample").enabled);
}

TEST_F(SerialNumbers, ImportOfAFileWithoutTheSectionListsNothing) {
  import("[SerialNo]\n1=A\n");
  import("[Other]\n1=A\n");
  EXPECT_TRUE(t.pages.control("cboImportSeq").items.empty());
  EXPECT_FALSE(t.pages.control("cmdSeqSwitch(0)").enabled);
  EXPECT_FALSE(t.pages.control("cmdSeqSwitch(1)").enabled);
  EXPECT_FALSE(autoNextShown(t.pages));
  EXPECT_TRUE(t.pages.control("txtSeqExample").enabled);
}

TEST_F(SerialNumbers, CancelledImportKeepsTheList) {
  import("[SerialNo]\n1=A\n2=B\n");
  EXPECT_FALSE(importSeq(t.pages, prompts, ""));
  EXPECT_EQ(t.pages.control("cboImportSeq").items.size(), 2u);
}

TEST_F(SerialNumbers, SteppingStopsAtBothEnds) {
  import("[SerialNo]\n1=A\n2=B\n3=C\n");
  t.pages.press("cmdSeqSwitch(0)");
  EXPECT_EQ(selected(), 0);
  for (int i = 0; i < 3; ++i) t.pages.press("cmdSeqSwitch(1)");
  EXPECT_EQ(selected(), 2);
  EXPECT_EQ(t.text("txtInfo(1)"), "C");
  t.pages.press("cmdSeqSwitch(0)");
  EXPECT_EQ(selected(), 1);
  EXPECT_EQ(t.text("txtInfo(1)"), "B");
}

TEST_F(SerialNumbers, InformationLineGetsTheFirstSixteenCharacters) {
  setSerialNumbers(t.pages, {"12345678901234567890", "序列号一二三四五六七八九十甲乙丙丁戊"});
  EXPECT_EQ(t.text("txtInfo(1)"), "1234567890123456");
  t.pages.press("cmdSeqSwitch(1)");
  EXPECT_EQ(t.text("txtInfo(1)"), "序列号一二三四五六七八九十甲乙丙");
}

TEST_F(SerialNumbers, ThreeWritesWithAutoLeaveTheThirdNumberSelected) {
  import("[SerialNo]\n1=A\n2=B\n3=C\n");
  t.pages.click("chkAutoNextSn", true);
  for (int write = 0; write < 3; ++write) advanceSerialAfterWrite(t.pages);
  EXPECT_EQ(selected(), 2);
  EXPECT_EQ(t.text("txtInfo(1)"), "C");
}

TEST_F(SerialNumbers, WritesWithoutAutoOrWithoutNumbersDoNotAdvance) {
  t.pages.click("chkAutoNextSn", true);
  advanceSerialAfterWrite(t.pages);
  EXPECT_EQ(selected(), -1);
  t.pages.click("chkAutoNextSn", false);
  import("[SerialNo]\n1=A\n2=B\n");
  advanceSerialAfterWrite(t.pages);
  EXPECT_EQ(selected(), 0);
}

TEST_F(SerialNumbers, TheTenThousandthNumberKeepsItsFirstCharacter) {
  std::vector<std::string> serials(10000, "x");
  serials.back() = "LAST";
  setSerialNumbers(t.pages, serials);
  t.pages.choose("cboImportSeq", 9999);
  EXPECT_EQ(t.text("txtInfo(1)"), "LAST");
}

}  // namespace
}  // namespace q7
