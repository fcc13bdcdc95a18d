// What a file holds, told from its bytes: data files (binary, whatever their
// length), fleet files, channel tables and other text.
#include "foundation/file_kind.h"

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/codeplug_image.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

struct KindCase {
  const char* what;
  std::string bytes;
  FileKind kind;
};

TEST(FileKind, TellsEachKindFromItsBytes) {
  std::string image(kDataFileSize, '\xFF');
  image.replace(0, 4, "PROG");
  std::string textLike(kDataFileSize, 'A');
  textLike[700] = '\0';
  const KindCase cases[] = {
      {"a data file", image, FileKind::kDataFile},
      {"text with one NUL byte", textLike, FileKind::kDataFile},
      {"bytes that are not UTF-8", "Location,\xC3\x28", FileKind::kDataFile},
      {"a fleet file", "{\n  \"model\": \"TARN Q7\"\n}\n", FileKind::kFleetFile},
      {"a fleet file after a byte order mark and blank lines", "\xEF\xBB\xBF\r\n  {}",
       FileKind::kFleetFile},
      {"the export's table", "Location,Name,Frequency\r\n1,,446.0\r\n", FileKind::kChannelTable},
      {"a table after remarks, tab-separated", "# plan\n#\nFrequency\tMode\n446.0\tFM\n",
       FileKind::kChannelTable},
      {"a table without a header", "1,,446.006250,,0\n2,,446.018750,,0\n", FileKind::kChannelTable},
      {"a note in Chinese", "北区的对讲机，周一写频。\n", FileKind::kText},
      {"a character cut at the end of a first part", "Radios: 北\xE5\x8C", FileKind::kText},
  };
  for (const KindCase& c : cases) EXPECT_EQ(recognizeFile(c.bytes), c.kind) << c.what;
}

TEST(FileKind, ReadingADataFileRefusesTheOtherKindsByName) {
  const test::TempDir dir;
  std::string fleet = "{\"channels\": [";
  while (fleet.size() < 2 * kDataFileSize) fleet += "{\"channel\": 1, \"rx\": \"446.00625\"}, ";
  std::ofstream(dir / "radio.json", std::ios::binary) << fleet;
  try {
    readImageFile(dir / "radio.json", kDataFileSize);
    ADD_FAILURE() << "a fleet file was read as a data file";
  } catch (const NotADataFile& refused) {
    EXPECT_EQ(refused.kind(), FileKind::kFleetFile);
    EXPECT_EQ(refused.number(), err::kInvalidFileFormat);
  }
}

}  // namespace
}  // namespace q7
