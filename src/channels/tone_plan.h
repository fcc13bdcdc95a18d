#pragma once
// A channel's receive and transmit tones in the tone columns of a channel
// table: the tone mode and its CTCSS frequencies, DCS codes and polarities.
#include <string>

namespace q7 {

struct TonePlan {
  std::string mode;              // "", "Tone", "TSQL", "DTCS" or "Cross"
  std::string txCtcss = "88.5";  // rToneFreq
  std::string rxCtcss = "88.5";  // cToneFreq
  std::string txDcs = "023";     // DtcsCode
  std::string polarity = "NN";   // DtcsPolarity: TX then RX
  std::string crossMode = "Tone->Tone";
  std::string rxDcs = "023";  // RxDtcsCode
};

// The plan of a channel's tone texts ("88.5", "D023N", "D023I" or the off text).
TonePlan tonePlan(const std::string& txTone, const std::string& rxTone, const std::string& offText);

struct PlanTones {
  std::string tx;
  std::string rx;
  std::string fault;  // empty when the plan is sound, else "Column: why not"
};

// The tone texts of a plan, as the tone box takes them.
PlanTones planTones(const TonePlan& plan, const std::string& offText);

}  // namespace q7
