#include "channels/grid_layout.h"

#include <gtest/gtest.h>

#include "channels/report_watch.h"
#include "foundation/caption_table.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

ProfileFile shippedSettings() {
  return ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def");
}

// A settings file holding only the given "ChInfo" lines.
class LayoutFile {
 public:
  explicit LayoutFile(const std::string& lines) : file_(dir_ / "corvane.def") {
    file_.writeWholeFile("[ChInfo]\r\n" + lines);
  }
  const ProfileFile& file() const { return file_; }

 private:
  test::TempDir dir_;
  ProfileFile file_;
};

TEST(GridLayout, ShippedLayoutGivesEveryLanguageTheRecordColumns) {
  for (const int language : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
    test::ReportWatch watch;
    const GridLayout layout = readChInfo(shippedSettings(), language);
    EXPECT_TRUE(watch.locations().empty());
    EXPECT_EQ(layout.rows, 16);
    EXPECT_EQ(layout.columns, 13);
    EXPECT_EQ(layout.at(1).key(), "RxFre");
    EXPECT_EQ(layout.at(2).key(), "TxFre");
    EXPECT_EQ(layout.at(3).key(), "CtcssDcsDec");
    EXPECT_EQ(layout.at(4).key(), "CtcssDcsEnc");
    EXPECT_EQ(layout.at(1).format(), "###.#####");
    EXPECT_EQ(layout.captions.size(), 14u);
    for (int c = 5; c <= 13; ++c) {
      const GridColumn& column = layout.at(c);
      EXPECT_GE(column.itemCount, 2) << c;
      EXPECT_EQ(column.dropList().size(), static_cast<std::size_t>(column.itemCount)) << c;
      EXPECT_EQ(column.itemText(column.itemCount - 1), column.dropList().back()) << c;
    }
  }
  const GridLayout english = readChInfo(shippedSettings(), kEnglish);
  EXPECT_EQ(english.at(12).itemCount, 8);  // three bits
  EXPECT_EQ(english.at(10).itemCount, 4);  // two bits in two bytes
  EXPECT_EQ(english.at(8).itemCount, 3);
  EXPECT_EQ(english.at(11).itemCount, 3);
}

TEST(GridLayout, MissingSectionGivesTheDefaultShapeAndOneReport) {
  test::ReportWatch watch;
  const GridLayout layout = readChInfo(ProfileFile("/nonexistent/corvane.def"), kEnglish);
  EXPECT_EQ(layout.rows, 16);
  EXPECT_EQ(layout.rowHeight, 240);
  EXPECT_EQ(layout.columns, 9);
  EXPECT_EQ(layout.captions, std::vector<std::string>(10, "0"));
  for (int c = 0; c <= 9; ++c) EXPECT_EQ(layout.at(c).width, 1000);
  EXPECT_EQ(layout.at(1).strings.size(), 50u);
  EXPECT_TRUE(layout.at(2).strings.empty());
  EXPECT_EQ(watch.locations(), std::vector<std::string>{"modChMem->ReadChInfo"});
}

TEST(GridLayout, CountsBeyondTheRadioAreClampedAndReported) {
  struct Case {
    const char* lines;
    int rows, columns;
  };
  const Case cases[] = {
      {"3000=40\r\n3002=25\r\n", 16, 20},
      {"3000=0\r\n3002=2\r\n", 1, 4},
      {"3000=many\r\n3002=-3\r\n", 16, 4},
  };
  for (const Case& c : cases) {
    const LayoutFile file(c.lines);
    test::ReportWatch watch;
    const GridLayout layout = readChInfo(file.file(), kEnglish);
    EXPECT_EQ(layout.rows, c.rows) << c.lines;
    EXPECT_EQ(layout.columns, c.columns) << c.lines;
    EXPECT_EQ(layout.column.size(), static_cast<std::size_t>(c.columns + 1));
    const auto reports = watch.locations();
    EXPECT_EQ(std::count(reports.begin(), reports.end(), "modChMem->ReadChInfo"), 3) << c.lines;
  }
}

TEST(GridLayout, ItemCountAndDefaultStayInsideTheColumnsItems) {
  const LayoutFile file(
      "3002=5\r\n"
      "3200=RxFre\r\n3201=*EndOfThisItem*\r\n3250=TxFre\r\n3251=*EndOfThisItem*\r\n"
      "3300=CtcssDcsDec\r\n3301=*EndOfThisItem*\r\n3350=CtcssDcsEnc\r\n3351=*EndOfThisItem*\r\n"
      "3400=Lo|Hi\r\n3401=9\r\n3402=4\r\n3403=Lo\r\n3404=Hi\r\n3405=*EndOfThisItem*\r\n");
  test::ReportWatch watch;
  const GridLayout layout = readChInfo(file.file(), kEnglish);
  EXPECT_EQ(layout.at(5).itemCount, 2);
  EXPECT_EQ(layout.at(5).defaultItem, 1);
  EXPECT_EQ(layout.at(5).itemText(1), "Hi");
  EXPECT_EQ(layout.at(5).itemText(2), "");
  EXPECT_THROW(layout.at(5).itemText(47), Failure);
  EXPECT_THROW(layout.at(5).itemText(-1), Failure);
  EXPECT_THROW(layout.at(6), Failure);
  EXPECT_EQ(watch.locations(),
            (std::vector<std::string>{"modChMem->ReadChInfo", "modChMem->ReadChInfo"}));
}

TEST(GridLayout, AColumnWithoutEndMarkerEndsTheReading) {
  std::string lines = "3002=6\r\n3200=RxFre\r\n3201=*EndOfThisItem*\r\n";
  for (int k = 0; k < 50; ++k) lines += std::to_string(3250 + k) + "=x\r\n";
  lines += "3300=CtcssDcsDec\r\n3301=*EndOfThisItem*\r\n";
  const LayoutFile file(lines);
  test::ReportWatch watch;
  const GridLayout layout = readChInfo(file.file(), kEnglish);
  EXPECT_EQ(layout.at(1).strings, std::vector<std::string>{"RxFre"});
  EXPECT_EQ(layout.at(2).strings.size(), 50u);
  EXPECT_TRUE(layout.at(3).strings.empty());
  EXPECT_EQ(watch.locations(), std::vector<std::string>{"modChMem->ReadChInfo"});
}

}  // namespace
}  // namespace q7
