#include "channels/channel_plans.h"

#include <gtest/gtest.h>

#include "channels/channel_paste.h"
#include "channels/grid_fixture.h"
#include "support/scripted_prompts.h"

namespace q7 {
namespace {

struct ShippedPlan {
  const char* name;
  int channels;
  const char* first;
  const char* last;
  const char* width;
  const char* power;
};

const ShippedPlan kShipped[] = {
    {"LPD433-EU-1-16", 16, "433.075", "433.45", "Narrow", "Low"},
    {"PMR446", 8, "446.00625", "446.09375", "Narrow", "Low"},
    {"UHF-Business-Itinerant", 10, "464.5", "469.55", "Narrow", "High"},
};

using Plans = test::GridFixture;

TEST_F(Plans, EveryShippedPlanIsListedAndPastesWithoutAFault) {
  state.captions = CaptionTable(kEnglish);
  const auto plans = shippedPlans(Q7_DATA_DIR);
  ASSERT_EQ(plans.size(), std::size(kShipped));
  for (std::size_t i = 0; i < plans.size(); ++i) {
    const ShippedPlan& shipped = kShipped[i];
    SCOPED_TRACE(shipped.name);
    EXPECT_EQ(plans[i].name, shipped.name);
    const auto plan = readPlan(plans[i]);
    ASSERT_TRUE(plan);
    grid.deleteAllChannels();
    grid.showChTblGrid();
    test::ScriptedPrompts prompts;
    const PasteOutcome outcome = pasteChannels(state, grid, prompts, *plan, 1);
    EXPECT_TRUE(outcome.faults.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(static_cast<int>(outcome.edit.changedRows.size()), shipped.channels);
    EXPECT_EQ(text(1, col::kRx), shipped.first);
    EXPECT_EQ(text(shipped.channels, col::kRx), shipped.last);
    EXPECT_EQ(text(shipped.channels, col::kTx), shipped.last);
    EXPECT_EQ(text(shipped.channels, 5), shipped.width);
    EXPECT_EQ(text(shipped.channels, 6), shipped.power);
    if (shipped.channels < grid.rows()) {
      EXPECT_EQ(text(shipped.channels + 1, col::kRx), "");
    }
  }
}

TEST_F(Plans, AMissingFolderListsNoPlanAndAMissingFileReadsAsNothing) {
  EXPECT_TRUE(shippedPlans("/no/such/folder").empty());
  EXPECT_FALSE(readPlan({"gone", "/no/such/folder/gone.csv"}));
}

}  // namespace
}  // namespace q7
