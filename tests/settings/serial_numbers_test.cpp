#include "settings/serial_numbers.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

class SerialNumbersTest : public ::testing::Test {
 protected:
  std::filesystem::path writeFile(const std::string& text) {
    const auto path = dir / "serials.txt";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  test::TempDir dir;
  std::vector<std::string> lines;  // what information line 1 was given, in order
  SerialNumberList list{[this](const std::string& line) { lines.push_back(line); }};
};

TEST_F(SerialNumbersTest, ImportStopsAtTheFirstMissingKey) {
  const auto path = writeFile("[SerialNo]\r\n1= A-001 \r\n2=A-002\r\n4=A-004\r\n");
  EXPECT_EQ(readSerialNumbers(path), (std::vector<std::string>{"A-001", "A-002"}));
}

TEST_F(SerialNumbersTest, ImportStopsAtAnEmptyValueAndIgnoresOtherSections) {
  const auto path =
      writeFile("[Other]\n1=X\n[serialno]\n2=B\n1=A\n1=A-again\n3=   \n4=D\n[Next]\n5=E\n");
  EXPECT_EQ(readSerialNumbers(path), (std::vector<std::string>{"A", "B"}));
}

TEST_F(SerialNumbersTest, FileWithoutTheSectionOrNoFileImportsNothing) {
  EXPECT_TRUE(readSerialNumbers(writeFile("[Setting]\n1=A\n")).empty());
  EXPECT_TRUE(readSerialNumbers(dir / "missing.txt").empty());
}

TEST_F(SerialNumbersTest, ValuesAreCutToTheReadBuffer) {
  const std::string longValue(150, '7');
  const auto serials = readSerialNumbers(writeFile("[SerialNo]\n1=" + longValue + "\n"));
  ASSERT_EQ(serials.size(), 1u);
  EXPECT_EQ(serials[0], std::string(99, '7'));
}

TEST_F(SerialNumbersTest, ItemsShowFourDigitNumbers) {
  EXPECT_EQ(serialItemText(1, "SN1"), "0001 -- SN1");
  EXPECT_EQ(serialItemText(123, "X"), "0123 -- X");
  EXPECT_EQ(serialItemText(10000, "X"), "10000 -- X");
}

TEST_F(SerialNumbersTest, ImportAsksForAFileAndChoosesTheFirstNumber) {
  test::ScriptedPrompts prompts;
  prompts.fileNames.push_back(writeFile("[SerialNo]\n1=SN First\n2=SN Second\n").string());
  EXPECT_TRUE(list.importSeq(prompts, "/data/dir"));
  EXPECT_EQ(prompts.dialogDirs, (std::vector<std::string>{"/data/dir"}));
  EXPECT_EQ(list.itemTexts(), (std::vector<std::string>{"0001 -- SN First", "0002 -- SN Second"}));
  EXPECT_EQ(list.selected(), 0);
  EXPECT_EQ(lines, (std::vector<std::string>{"SN First"}));
}

TEST_F(SerialNumbersTest, CancelledImportKeepsTheList) {
  list.setSerialNumbers({"A", "B"});
  test::ScriptedPrompts prompts;  // no file: the dialog is cancelled
  EXPECT_FALSE(list.importSeq(prompts, ""));
  EXPECT_EQ(list.serials().size(), 2u);
}

TEST_F(SerialNumbersTest, ImportOfAFileWithoutNumbersEmptiesTheList) {
  list.setSerialNumbers({"A", "B"});
  lines.clear();
  test::ScriptedPrompts prompts;
  prompts.fileNames.push_back(writeFile("no sections at all\n").string());
  EXPECT_TRUE(list.importSeq(prompts, ""));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.selected(), -1);
  EXPECT_TRUE(lines.empty());
}

TEST_F(SerialNumbersTest, SteppingStopsAtBothEnds) {
  list.setSerialNumbers({"A", "B", "C"});
  list.seqSwitch(0);
  EXPECT_EQ(list.selected(), 0);
  list.seqSwitch(1);
  list.seqSwitch(1);
  list.seqSwitch(1);
  EXPECT_EQ(list.selected(), 2);
  list.seqSwitch(0);
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(lines, (std::vector<std::string>{"A", "B", "C", "B"}));
}

TEST_F(SerialNumbersTest, SteppingAnEmptyListDoesNothing) {
  list.seqSwitch(1);
  list.seqSwitch(0);
  EXPECT_EQ(list.selected(), -1);
  EXPECT_TRUE(lines.empty());
}

TEST_F(SerialNumbersTest, InformationLineGetsAtMostSixteenCharacters) {
  list.setSerialNumbers({"12345678901234567890", "序列号一二三四五六七八九十甲乙丙丁戊"});
  list.seqSwitch(1);
  EXPECT_EQ(lines,
            (std::vector<std::string>{"1234567890123456", "序列号一二三四五六七八九十甲乙丙"}));
}

TEST_F(SerialNumbersTest, ThreeWritesWithAutoLeaveTheThirdNumberSelected) {
  list.setSerialNumbers({"A", "B", "C"});
  list.setAutoNext(true);
  for (int write = 0; write < 3; ++write) list.advanceAfterWrite();
  EXPECT_EQ(list.selected(), 2);
  EXPECT_EQ(lines.back(), "C");
}

TEST_F(SerialNumbersTest, WritesWithoutAutoOrWithoutNumbersDoNotAdvance) {
  list.advanceAfterWrite();
  EXPECT_EQ(list.selected(), -1);
  list.setSerialNumbers({"A", "B"});
  list.advanceAfterWrite();
  EXPECT_EQ(list.selected(), 0);
}

TEST_F(SerialNumbersTest, TheTenThousandthNumberKeepsItsFirstCharacter) {
  std::vector<std::string> serials(10000, "x");
  serials.back() = "LAST";
  list.setSerialNumbers(serials);
  list.select(9999);
  EXPECT_EQ(lines.back(), "LAST");
}

}  // namespace
}  // namespace q7
