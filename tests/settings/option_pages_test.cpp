#include "settings/option_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "foundation/error_report.h"
#include "settings/init_order.h"

namespace q7 {
namespace {

// A model with hand-made controls that count their handler runs.
struct CountingPages {
  CodeplugImage image;
  CaptionTable captions{kEnglish};
  OptionPages pages{image, captions, {}};
  std::vector<std::string> runs;

  CountingPages() {
    for (ControlKind kind : {ControlKind::List, ControlKind::Check, ControlKind::Text}) {
      ControlState state;
      state.kind = kind;
      state.frame = "fraTest";
      const std::string name = kind == ControlKind::List    ? "cboA"
                               : kind == ControlKind::Check ? "chkB"
                                                            : "txtC";
      pages.addControl(name, state, [this, name](OptionPages& p) {
        runs.push_back(name + (p.loading() ? ":load" : ":user"));
      });
    }
    pages.fill("cboA", {"x", "y", "z"});
  }
};

TEST(OptionPages, ListHandlerRunsOnEverySelectionCheckAndTextOnlyOnChange) {
  CountingPages t;
  t.pages.select("cboA", 1);
  t.pages.select("cboA", 1);
  t.pages.check("chkB", false);
  t.pages.check("chkB", true);
  t.pages.check("chkB", true);
  t.pages.setText("txtC", "");
  t.pages.setText("txtC", "12");
  t.pages.setText("txtC", "12");
  EXPECT_EQ(t.runs, (std::vector<std::string>{"cboA:user", "cboA:user", "chkB:user", "txtC:user"}));
  EXPECT_EQ(t.pages.control("cboA").selected, 1);
  EXPECT_TRUE(t.pages.control("chkB").checked);
  EXPECT_EQ(t.pages.control("txtC").text, "12");
}

TEST(OptionPages, PositionBeyondTheListLeavesNoSelectionAndRunsNoHandler) {
  CountingPages t;
  t.pages.select("cboA", 2);
  t.pages.select("cboA", 3);
  EXPECT_EQ(t.pages.control("cboA").selected, -1);
  t.pages.select("cboA", -1);
  EXPECT_EQ(t.runs.size(), 1u);
  t.pages.fill("cboA", {"only"});
  EXPECT_EQ(t.pages.control("cboA").selected, -1);
}

TEST(OptionPages, DisabledControlsTakeNoUserAction) {
  CountingPages t;
  for (const char* name : {"cboA", "chkB", "txtC"}) t.pages.setEnabled(name, false);
  t.pages.choose("cboA", 0);
  t.pages.click("chkB", true);
  t.pages.type("txtC", "5");
  EXPECT_TRUE(t.runs.empty());
  EXPECT_EQ(t.pages.control("cboA").selected, -1);
  t.pages.setEnabled("cboA", true);
  t.pages.choose("cboA", 7);
  t.pages.choose("cboA", 2);
  EXPECT_EQ(t.runs, std::vector<std::string>{"cboA:user"});
}

TEST(OptionPages, InitOptRunsLoadStepsInRefreshOrderAndMarksThemAsLoading) {
  CountingPages t;
  std::vector<std::string> steps;
  // Added in reverse; the refresh order puts cboTot before cboPreTot.
  t.pages.addLoadStep("cboPreTot", [&](OptionPages& p) {
    steps.push_back("cboPreTot");
    p.select("cboA", 0);
  });
  t.pages.addLoadStep("cboTot", [&](OptionPages&) { steps.push_back("cboTot"); });
  t.pages.initOpt();
  EXPECT_EQ(steps, (std::vector<std::string>{"cboTot", "cboPreTot"}));
  EXPECT_EQ(t.runs, std::vector<std::string>{"cboA:load"});
  EXPECT_FALSE(t.pages.loading());
  t.pages.choose("cboA", 0);
  EXPECT_EQ(t.runs.back(), "cboA:user");
}

TEST(OptionPages, ListenerHearsEveryStateChange) {
  CountingPages t;
  std::vector<std::string> heard;
  t.pages.setListener([&](const std::string& name) { heard.push_back(name); });
  t.pages.select("cboA", 0);
  t.pages.setEnabled("chkB", false);
  t.pages.setEnabled("chkB", false);
  t.pages.setToolTip("txtC", "tip");
  EXPECT_EQ(heard, (std::vector<std::string>{"cboA", "chkB", "txtC"}));
}

TEST(OptionPages, ControlsAreListedByFrameAndNamedOnce) {
  CountingPages t;
  EXPECT_EQ(t.pages.controlsIn("fraTest"), (std::vector<std::string>{"cboA", "chkB", "txtC"}));
  EXPECT_THROW(t.pages.addControl("cboA", {}, nullptr), Failure);
  EXPECT_THROW(t.pages.control("cboMissing"), Failure);
  EXPECT_EQ(elementName("cboVoxCmpDat", 3), "cboVoxCmpDat(3)");
}

TEST(OptionPages, EveryLoadStepOfThePagesHasOnePlaceInTheRefreshOrder) {
  std::set<std::string> order;
  for (const char* step : initOrder()) EXPECT_TRUE(order.insert(step).second) << step;
  CodeplugImage image;
  const CaptionTable captions(kEnglish);
  const OptionPages pages(image, captions);
  for (const auto& [name, load] : pages.loadSteps()) EXPECT_TRUE(order.count(name)) << name;
}

}  // namespace
}  // namespace q7
