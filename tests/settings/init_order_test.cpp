// The order in which InitOpt loads the options, compared with the radio's
// load order: the common and battery options one by one, then the pages in
// turn, each page's steps in their own order where that order matters.
#include "settings/init_order.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace q7 {
namespace {

using Steps = std::vector<std::string>;

const Steps kCommonAndBattery = {"cboTot",
                                 "cboPreTot",
                                 "cboAnVoice",
                                 "cboPwrOnTone",
                                 "cboSql",
                                 "cboAlarmCh",
                                 "cboRadioSql",
                                 "cboRadioVolume",
                                 "cboSaveMode",
                                 "cboTailDel",
                                 "cboAlarmSort",
                                 "cboMicVolume",
                                 "cboTwoWayVolumeLevel",
                                 "cboLowBatAlarmTimer",
                                 "cboLowPwrToneSort",
                                 "chkAnBatVolt",
                                 "chkPwrOnAnBatVolt",
                                 "chkNoCdEncTxFreTail",
                                 "chkNoCdEncRxFreTail",
                                 "chkBatSave",
                                 "chkLowBatTx",
                                 "chkBeep",
                                 "chkTxEndTone",
                                 "chkMoniTxEndTone",
                                 "chkRadioFuncEnable",
                                 "chkLowBatAn",
                                 "chkLowBatTone",
                                 "chkLowTxPwrRgLig",
                                 "chkRedGreenLig",
                                 "chkAnPwrOn",
                                 "chkSwiLampTone",
                                 "cboSaveChNo",
                                 "chkHighBatPwrOff",
                                 "chkLowBatPwrOff"};
const Steps kKeyLists = {"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"};
const Steps kKeyHoldTimes = {"cboSk1LongTime", "cboSk2LongTime"};
const Steps kVox = {"cboVoxLevel",   "cboVoxDly",         "cboVoxRxForbid",
                    "chkAnVoxOnOff", "chkNoMicEnableVox", "cboVoxCmpDat"};
const Steps kScan = {"cboScanPriChSort", "cboPriCh",         "cboScanTxMode",   "cboScanRxDly",
                     "cboScanTxDly",     "chkScanStartHint", "chkExitScanHint", "chkAnScanOnOff",
                     "chkScanLig",       "chkCh16Scan",      "chkSwiChExitScan"};
const Steps kDtmf = {"cboPreCarTime",
                     "cboCodeContiTime",
                     "cboCodeSpaceTime",
                     "chkDtmfMoni",
                     "chkNoRespPttIdNoPause",
                     "chkDtmfCallAlarmTone",
                     "cboStunGrpCode",
                     "cboPttIdPauseTime",
                     "cboAutoRstTimer",
                     "cboDtmfGrpCode",
                     "cboDtmfCallAlarm",
                     "cboDtmfCloseSort",
                     "txtPttBot",
                     "txtPttEot",
                     "txtDtmfIdCode",
                     "txtDtmfCloseCode",
                     "txtAutoMem(0)",
                     "txtAutoMem(1)",
                     "txtAutoMem(2)",
                     "txtAutoMem(3)",
                     "txtAutoMem(4)",
                     "txtAutoMem(5)",
                     "txtAutoMem(6)",
                     "txtAutoMem(7)"};
const Steps kTwoToneSettings = {"cboTtPreCarTime", "cboTtAutoRstTimer", "chkTtBeep",
                                "cboDtmf2ToneVol"};
const Steps kTwoToneGrids = {"vsfgGridTwoTone"};
const Steps kRadioId = {"txtInfo",       "cboRadioId(0)", "cboRadioId(1)", "cboRadioId(2)",
                        "cboRadioId(3)", "cboRadioId(4)", "cboRadioId(5)", "chkAnRadioId"};

struct StepGroup {
  const Steps& steps;
  bool ordered;  // false: the steps load together in any order
};

// The pages in turn; within a page the steps load in order where the order matters.
const StepGroup kGroups[] = {
    {kCommonAndBattery, true},
    {kKeyLists, true},
    {kKeyHoldTimes, false},
    {kVox, false},
    {kScan, false},
    {kDtmf, true},
    {kTwoToneSettings, false},
    {kTwoToneGrids, true},
    {kRadioId, true},
};

TEST(InitOrder, LoadsEveryOptionInTheRadiosOrder) {
  const std::vector<std::string> actual(initOrder().begin(), initOrder().end());
  std::size_t next = 0;
  for (const StepGroup& group : kGroups) {
    ASSERT_LE(next + group.steps.size(), actual.size()) << group.steps.front();
    const std::vector<std::string> part(
        actual.begin() + static_cast<std::ptrdiff_t>(next),
        actual.begin() + static_cast<std::ptrdiff_t>(next + group.steps.size()));
    if (group.ordered) {
      EXPECT_EQ(part, group.steps);
    } else {
      EXPECT_EQ(std::set<std::string>(part.begin(), part.end()),
                std::set<std::string>(group.steps.begin(), group.steps.end()));
    }
    next += group.steps.size();
  }
  EXPECT_EQ(next, actual.size());
}

}  // namespace
}  // namespace q7
