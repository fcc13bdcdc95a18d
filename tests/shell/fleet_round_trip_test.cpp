// Fleet files and CSV channel tables of random data files give back exactly
// the bytes the program saves after opening the file (what "q7cli normalize"
// writes). The shipped files take the same round trips through q7cli as typed
// in cli_fleet_test.cpp; here 200 seeded random files go through the same
// functions q7cli calls, in the process, to keep the run short.
#include <gtest/gtest.h>

#include "channels/channel_csv.h"
#include "shell/fleet_json.h"
#include "support/opened_file.h"
#include "support/random_image.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

constexpr unsigned kRandomFiles = 200;

// The image Save writes right after opening the file.
CodeplugImage normalized(test::OpenedFile& file) {
  file.editor.storeChannels();
  return file.state.image;
}

void expectSameImage(const CodeplugImage& got, const CodeplugImage& want, unsigned seed) {
  for (std::size_t i = 0; i < want.size(); ++i)
    ASSERT_EQ(got[i], want[i]) << "seed " << seed << " byte 0x" << std::hex << i;
}

TEST(FleetRoundTrip, RandomFilesComeBackFromTheirFleetFile) {
  const test::TempDir dir;
  for (unsigned seed = 1; seed <= kRandomFiles; ++seed) {
    test::OpenedFile file(test::randomDataFile(dir.path(), seed), kEnglish);
    const CodeplugImage want = normalized(file);
    const std::string json = exportFleet(file.editor, file.state);
    const FleetImport built = importFleet(json, file.state);
    ASSERT_EQ(built.faults, std::vector<std::string>{}) << "seed " << seed;
    expectSameImage(built.image, want, seed);
  }
}

TEST(FleetRoundTrip, RandomFilesComeBackFromTheirChannelTable) {
  const test::TempDir dir;
  for (unsigned seed = 1; seed <= kRandomFiles; ++seed) {
    const auto path = test::randomDataFile(dir.path(), seed);
    test::OpenedFile source(path, kEnglish);
    const std::string csv = exportChannelsCsv(source.editor.grid(), source.editor.grid().layout());
    test::OpenedFile base(path, kEnglish);
    ChannelGrid& grid = base.editor.grid();
    ASSERT_EQ(importChannelsCsv(csv, grid, grid.layout()).faults, std::vector<std::string>{})
        << "seed " << seed;
    expectSameImage(normalized(base), normalized(source), seed);
  }
}

}  // namespace
}  // namespace q7
