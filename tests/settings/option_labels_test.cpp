// The label of every option control: the caption row it is shown with and
// that row's English text, or the fixed text of a label that has no row.
#include <gtest/gtest.h>

#include <string>

#include "pages_fixture.h"

namespace q7 {
namespace {

struct LabelRow {
  const char* control;
  int row;
  const char* english;
};

constexpr LabelRow kLabelRows[] = {
    {"cboTot", 213, "Time-out Timer[s]"},
    {"cboPreTot", 214, "TOT Pre-alert[s]"},
    {"cboAnVoice", 215, "Voice Annunciation"},
    {"cboPwrOnTone", 216, "Power On Tone Sort"},
    {"cboSql", 217, "Squelch Level[SQL]"},
    {"cboTailDel", 221, "Tail Del Mode"},
    {"cboAlarmSort", 330, "Alarm Sort"},
    {"cboMicVolume", 380, "Mic Volume"},
    {"cboTwoWayVolumeLevel", 333, "Two Way Radio Vol Level"},
    {"chkTxEndTone", 222, "Tx End Tone"},
    {"chkMoniTxEndTone", 326, "Monitor End Tone"},
    {"chkRadioFuncEnable", 327, "Radio Func Enable"},
    {"chkBeep", 225, "Beep"},
    {"chkRedGreenLig", 341, "Light On In Power On"},
    {"chkAnPwrOn", 342, "An Power On"},
    {"chkNoCdEncTxFreTail", 355, "Tx Freq Tail Tone When No CTCSS Or DCS Encode"},
    {"chkNoCdEncRxFreTail", 361, "Rx Freq Tail Tone When No CTCSS Or DCS Decode"},
    {"cboRadioSql", 218, "Radio Sql"},
    {"cboRadioVolume", 219, "Radio Volume"},
    {"cboAlarmCh", 384, "Emergency Channel"},
    {"chkSwiLampTone", 408, "Switch Lamp Tone"},
    {"cboSaveChNo", 407, "Channel No."},
    {"listSk1Short", 227, "SK1(Short)"},
    {"listSk1Long", 228, "SK1(Long)"},
    {"listSk2Short", 229, "SK2(Short)"},
    {"listSk2Long", 230, "SK2(Long)"},
    {"cboSk1LongTime", 393, "SK1(Hold Time)"},
    {"cboSk2LongTime", 394, "SK2(Hold Time)"},
    {"cboVoxLevel", 231, "VOX Gain Level"},
    {"cboVoxDly", 232, "VOX Delay Time[s]"},
    {"cboVoxRxForbid", 233, "Transmit Inhibit while Receiving"},
    {"chkAnVoxOnOff", 234, "An:Vox On/Off"},
    {"chkNoMicEnableVox", 397, "Enable Vox When No MicroPhone"},
    {"cboVoxCmpDat(1)", 401, "Vox Compare Voltage"},
    {"cmdVoxCmpDefault", 403, "Default"},
    {"cboScanPriChSort", 235, "Priority"},
    {"cboPriCh", 236, "Priority Channel"},
    {"cboScanTxMode", 237, "Revert Channel"},
    {"cboScanRxDly", 238, "Dropout Delay Time[s]"},
    {"cboScanTxDly", 239, "Tx Dwell Time[s]"},
    {"chkScanStartHint", 240, "Tone When Enter Scan"},
    {"chkExitScanHint", 241, "Tone When Exit Scan"},
    {"chkAnScanOnOff", 242, "An:Scan On/Off"},
    {"chkScanLig", 243, "Scan Light"},
    {"chkCh16Scan", 343, "S-Selector (16 CH Auto Enter Scan)"},
    {"chkSwiChExitScan", 396, "Exit Scan After Switch Channel"},
    {"chkBatSave", 223, "Battery Save"},
    {"cboSaveMode", 220, "Save Mode"},
    {"chkLowBatTx", 224, "Low Bat Can Tx"},
    {"cboLowBatAlarmTimer", 272, "Low Bat Alarm Interval"},
    {"cboLowPwrToneSort", 346, "Low Battery Tone Sort"},
    {"chkLowBatAn", 273, "Low Bat Tone"},
    {"chkLowBatTone", 274, "Low Bat Annunciation"},
    {"chkLowTxPwrRgLig", 275, "Orange Light On Low"},
    {"chkAnBatVolt", 349, "An:Battery Voltage"},
    {"chkPwrOnAnBatVolt", 351, "Notice Bat Voltage When Power On"},
    {"chkHighBatPwrOff", 398, "Auto Power Off When Too High Battery Voltage"},
    {"chkLowBatPwrOff", 399, "Auto Power Off When Too Low Battery Voltage"},
    {"cboPreCarTime", 245, "First Digit Delay Time[ms]"},
    {"cboCodeContiTime", 246, "Digit Last Time[ms]"},
    {"cboCodeSpaceTime", 247, "Digit Interval Time[ms]"},
    {"txtPttBot", 248, "PTT ID Begin of Tx"},
    {"txtPttEot", 249, "PTT ID End of Tx"},
    {"chkDtmfMoni", 340, "Side Tone"},
    {"cboPttIdPauseTime", 344, "PTT ID Pause Time"},
    {"chkNoRespPttIdNoPause", 390, "No Rx:No Pause"},
    {"cmdPttIdPauseChSet", 387, "PTT ID Pause In Channel Set"},
    {"cboDtmf2ToneVol", 409, "Tail Tone,DTMF Volume"},
    {"txtDtmfIdCode", 251, "ID Code"},
    {"cboDtmfGrpCode", 252, "ID Group Code"},
    {"cboDtmfCallAlarm", 253, "Call Alert"},
    {"chkDtmfCallAlarmTone", 391, "Call Alert Tone"},
    {"cboAutoRstTimer", 345, "Auto Reset Timer"},
    {"txtDtmfCloseCode", 255, "Stun Code"},
    {"cboDtmfCloseSort", 256, "Stun Type"},
    {"cboStunGrpCode", 392, "Stun Group Code"},
    {"cboRadioId(0)", 352, "Radio ID"},
    {"chkAnRadioId", 354, "Power On When Press PTT KEY: An Radio ID"},
    {"txtInfo(1)", 258, "Message"},
    {"txtInfo(2)", 600, "Message 2"},
    {"cboTtPreCarTime", 245, "First Digit Delay Time[ms]"},
    {"cboTtAutoRstTimer", 345, "Auto Reset Timer"},
    {"chkTtBeep", 340, "Side Tone"},
    {"cmdImportSeq", 404, "Import Serial No."},
    {"chkAutoNextSn", 329, "Auto"},
    {"cboVoxCmpDat(10)", 401, "Vox Compare Voltage"},
};

TEST(OptionLabels, EveryControlShowsTheRowOfItsLabel) {
  const test::Pages t;
  for (const LabelRow& expected : kLabelRows) {
    ASSERT_TRUE(t.pages.has(expected.control)) << expected.control;
    const ControlState& state = t.pages.control(expected.control);
    EXPECT_EQ(state.labelRow, expected.row) << expected.control;
    EXPECT_EQ(t.captions(expected.row), expected.english) << expected.control;
  }
}

// The labels once fixed in Simplified Chinese come from caption rows now.
TEST(OptionLabels, NoLabelIsFixedInOneLanguage) {
  const test::Pages t;
  for (const char* control : {"cboTtPreCarTime", "cboTtAutoRstTimer", "chkTtBeep", "txtInfo(2)"})
    EXPECT_TRUE(t.pages.control(control).label.empty()) << control;
}

}  // namespace
}  // namespace q7
