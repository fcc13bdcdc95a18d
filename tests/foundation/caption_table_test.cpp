#include "foundation/caption_table.h"

#include <gtest/gtest.h>

#include <set>

namespace q7 {
namespace {

TEST(CaptionTable, RowsAreUniqueAndInRange) {
  std::set<int> seen;
  for (const CaptionRow& row : captionRows()) {
    EXPECT_TRUE(seen.insert(row.row).second) << "row " << row.row << " assigned twice";
    EXPECT_GE(row.row, 0);
    EXPECT_LT(row.row, CaptionTable::kRows);
  }
}

TEST(CaptionTable, MainWindowRowsInEachLanguage) {
  struct Case {
    int language, row;
    const char* text;
  };
  const Case cases[] = {
      {1, 0, "新建"},     {2, 6, "説明"},     {3, 24, "S&ave As"},
      {3, 16, "TARN Q7"}, {2, 85, "檔案名:"}, {1, 116, "信道界面已锁定"},
      {0, 94, "Ready"},   {7, 70, "Notice"},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptionTable(c.language)(c.row), c.text) << c.row;
}

TEST(CaptionTable, RestartMessageIsEnglishEverywhereAndUnassignedRowsAreEmpty) {
  for (int language = 1; language <= 3; ++language) {
    const CaptionTable table(language);
    EXPECT_EQ(table(68), "Language has changed, you need to restart the software.");
    EXPECT_EQ(table(9), "");
    EXPECT_EQ(table(CaptionTable::kRows), "");
    EXPECT_EQ(table(-1), "");
  }
}

}  // namespace
}  // namespace q7
