#include "settings/init_order.h"

namespace q7 {

namespace {

constexpr const char* kInitOrder[] = {
    // Common Set, model information and battery options
    "cboTot", "cboPreTot", "cboAnVoice", "cboPwrOnTone", "cboSql", "cboAlarmCh", "cboRadioSql",
    "cboRadioVolume", "cboSaveMode", "cboTailDel", "cboAlarmSort", "cboMicVolume",
    "cboTwoWayVolumeLevel", "cboLowBatAlarmTimer", "cboLowPwrToneSort", "chkAnBatVolt",
    "chkPwrOnAnBatVolt", "chkNoCdEncTxFreTail", "chkNoCdEncRxFreTail", "chkBatSave", "chkLowBatTx",
    "chkBeep", "chkTxEndTone", "chkMoniTxEndTone", "chkRadioFuncEnable", "chkLowBatAn",
    "chkLowBatTone", "chkLowTxPwrRgLig", "chkRedGreenLig", "chkAnPwrOn", "chkSwiLampTone",
    "cboSaveChNo", "chkHighBatPwrOff", "chkLowBatPwrOff",
    // Key Assign
    "listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long", "cboSk1LongTime",
    "cboSk2LongTime",
    // Vox
    "cboVoxLevel", "cboVoxDly", "cboVoxRxForbid", "chkAnVoxOnOff", "chkNoMicEnableVox",
    "cboVoxCmpDat",
    // Scan
    "cboScanPriChSort", "cboPriCh", "cboScanTxMode", "cboScanRxDly", "cboScanTxDly",
    "chkScanStartHint", "chkExitScanHint", "chkAnScanOnOff", "chkScanLig", "chkCh16Scan",
    "chkSwiChExitScan",
    // DTMF
    "cboPreCarTime", "cboCodeContiTime", "cboCodeSpaceTime", "chkDtmfMoni", "chkNoRespPttIdNoPause",
    "chkDtmfCallAlarmTone", "cboStunGrpCode", "cboPttIdPauseTime", "cboAutoRstTimer",
    "cboDtmfGrpCode", "cboDtmfCallAlarm", "cboDtmfCloseSort", "txtPttBot", "txtPttEot",
    "txtDtmfIdCode", "txtDtmfCloseCode", "txtAutoMem(0)", "txtAutoMem(1)", "txtAutoMem(2)",
    "txtAutoMem(3)", "txtAutoMem(4)", "txtAutoMem(5)", "txtAutoMem(6)", "txtAutoMem(7)",
    // Two-tone settings, the tail tone and DTMF volume, the two-tone grids
    "cboTtPreCarTime", "cboTtAutoRstTimer", "chkTtBeep", "cboDtmf2ToneVol", "vsfgGridTwoTone",
    // Information lines, radio ID
    "txtInfo", "cboRadioId(0)", "cboRadioId(1)", "cboRadioId(2)", "cboRadioId(3)", "cboRadioId(4)",
    "cboRadioId(5)", "chkAnRadioId"};

}  // namespace

std::span<const char* const> initOrder() {
  return kInitOrder;
}

}  // namespace q7
