// Reading channel tables: the table's shape (separator, header, line ends,
// byte order mark, quotes, remarks), each row's entry and faults, the export
// of chosen rows, and plans in the layout other tools write.
#include <gtest/gtest.h>

#include <algorithm>

#include "channels/channel_csv.h"
#include "grid_fixture.h"

namespace q7 {
namespace {

std::vector<std::string> allFaults(const CsvChannels& table) {
  std::vector<std::string> faults = table.faults;
  for (const CsvChannelRow& row : table.rows)
    faults.insert(faults.end(), row.faults.begin(), row.faults.end());
  return faults;
}

class ChannelTableTest : public test::GridFixture {
 protected:
  CsvChannels read(const std::string& text) { return readChannelTable(text, grid, grid.layout()); }
};

struct ShapeCase {
  const char* what;
  std::string text;
  char separator;
  bool header;
};

TEST_F(ChannelTableTest, ReadsEveryShapeOfTheSameTwoChannels) {
  const ShapeCase cases[] = {
      {"comma, LF", "Location,Frequency,Mode\n2,446.5,NFM\n5,440.0,FM\n", ',', true},
      {"tab, CR LF", "Location\tFrequency\tMode\r\n2\t446.5\tNFM\r\n5\t440.0\tFM\r\n", '\t', true},
      {"byte order mark, quotes, remarks",
       "\xEF\xBB\xBF# a plan\r\n\"Location\",\"Frequency\",Mode\n# channel two\n\"2\",446.5,"
       "\"NFM\"\n\n5,\"440.0\",FM",
       ',', true},
      {"one more empty field", "Location,Frequency,Mode\n2,446.5,NFM,\n5,440.0,FM,\n", ',', true},
      {"no header: the export's columns", "2,,446.5,,,,,,,,NFM\n5,,440.0,,,,,,,,FM\n", ',', false},
  };
  for (const ShapeCase& c : cases) {
    const CsvChannels table = read(c.text);
    EXPECT_EQ(table.separator, c.separator) << c.what;
    EXPECT_EQ(table.header, c.header) << c.what;
    EXPECT_EQ(allFaults(table), std::vector<std::string>{}) << c.what;
    ASSERT_EQ(table.rows.size(), 2u) << c.what;
    EXPECT_EQ(table.rows[0].location, 2) << c.what;
    EXPECT_EQ(table.rows[0].entry.rx, 44650000) << c.what;
    EXPECT_EQ(table.rows[0].entry.tx, 44650000) << c.what;
    EXPECT_EQ(table.rows[0].entry.options[5], 1) << c.what;  // narrow
    EXPECT_EQ(table.rows[1].location, 5) << c.what;
    EXPECT_EQ(table.rows[1].entry.rx, 44000000) << c.what;
    EXPECT_EQ(table.rows[1].entry.options[5], 0) << c.what;  // wide
  }
}

TEST_F(ChannelTableTest, NumbersEachRowByItsRecordAndKeepsItsFaultsApart) {
  const CsvChannels table =
      read("Location,Frequency,Mode\n1,446.5,FM\n\n20,446.5,FM\n3,999,AM,x\n");
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].source, 2);
  EXPECT_TRUE(table.rows[0].fits());
  EXPECT_EQ(table.rows[1].source, 4);
  EXPECT_EQ(table.rows[1].faults,
            std::vector<std::string>{"row 4 Location: 20 is past channel 16"});
  EXPECT_EQ(table.rows[2].faults,
            (std::vector<std::string>{"row 5 has 4 fields, the header 3",
                                      "row 5 Frequency: 999 is outside the band 400-470",
                                      "row 5 Mode: AM is not FM or NFM"}));
}

TEST_F(ChannelTableTest, ATableWithoutLocationsGivesRowsWithoutSlots) {
  const CsvChannels table = read("Frequency\tMode\n446.5\tFM\n");
  EXPECT_FALSE(table.locations);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].location, 0);
  EXPECT_TRUE(table.rows[0].fits());
  const std::string noLocations = "Frequency\n446.5\n";
  EXPECT_EQ(importChannelsCsv(noLocations, grid, grid.layout()).faults,
            std::vector<std::string>{"row 1: no Location column"});
  EXPECT_EQ(read("").faults, std::vector<std::string>{"row 1: the table is empty"});
}

TEST_F(ChannelTableTest, ExportsChosenRowsWithEitherSeparatorAndReadsThemBack) {
  typeRx(3, "446.5");
  typeRx(7, "440.125");
  for (const char separator : {',', '\t'}) {
    const std::string text = exportChannelRows(grid, grid.layout(), {7, 3}, separator);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    EXPECT_TRUE(text.starts_with(std::string("Location") + separator + "Name")) << text;
    const CsvChannels table = read(text);
    EXPECT_EQ(table.separator, separator);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].location, 7);
    EXPECT_EQ(table.rows[0].entry.rx, 44012500);
    EXPECT_EQ(table.rows[1].location, 3);
    EXPECT_EQ(table.rows[1].entry.rx, 44650000);
  }
}

}  // namespace
}  // namespace q7
