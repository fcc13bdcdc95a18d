#include "channels/tone_plan.h"

#include "channels/decimal_text.h"

namespace q7 {
namespace {

enum class ToneKind { kOff, kCtcss, kDcs };

constexpr const char* kTone = "Tone";
constexpr const char* kDtcs = "DTCS";

ToneKind kindOf(const std::string& text, const std::string& offText) {
  if (text.empty() || text == offText) return ToneKind::kOff;
  return isNumeric(text) ? ToneKind::kCtcss : ToneKind::kDcs;
}

std::string kindName(ToneKind kind) {
  switch (kind) {
    case ToneKind::kCtcss:
      return kTone;
    case ToneKind::kDcs:
      return kDtcs;
    default:
      return "";
  }
}

// "D023N" gives code "023" and polarity 'N'; "D023I" polarity 'R'.
std::string dcsCode(const std::string& text) {
  return text.substr(1, 3);
}

char polarityOf(const std::string& text) {
  return text.size() > 4 && text[4] == 'I' ? 'R' : 'N';
}

std::string dcsText(const std::string& code, char polarity) {
  return "D" + code + (polarity == 'R' ? "I" : "N");
}

std::string plainMode(ToneKind tx, ToneKind rx, const std::string& txTone,
                      const std::string& rxTone) {
  if (tx == ToneKind::kOff && rx == ToneKind::kOff) return "";
  if (tx == ToneKind::kCtcss && rx == ToneKind::kOff) return kTone;
  if (tx == ToneKind::kCtcss && rx == ToneKind::kCtcss && txTone == rxTone) return "TSQL";
  if (tx == ToneKind::kDcs && rx == ToneKind::kDcs && dcsCode(txTone) == dcsCode(rxTone))
    return kDtcs;
  return "Cross";
}

bool validPolarity(const std::string& polarity) {
  return polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
         (polarity[1] == 'N' || polarity[1] == 'R');
}

// One side of a cross plan: "" (off), "Tone" or "DTCS".
std::string sideTone(const std::string& side, const std::string& ctcss, const std::string& dcs,
                     char polarity, const std::string& offText) {
  if (side == kTone) return ctcss;
  if (side == kDtcs) return dcsText(dcs, polarity);
  return offText;
}

}  // namespace

TonePlan tonePlan(const std::string& txTone, const std::string& rxTone,
                  const std::string& offText) {
  const ToneKind tx = kindOf(txTone, offText);
  const ToneKind rx = kindOf(rxTone, offText);
  TonePlan plan;
  plan.mode = plainMode(tx, rx, txTone, rxTone);
  if (tx == ToneKind::kCtcss) plan.txCtcss = txTone;
  if (rx == ToneKind::kCtcss) plan.rxCtcss = rxTone;
  if (tx == ToneKind::kDcs) plan.txDcs = dcsCode(txTone);
  if (rx == ToneKind::kDcs) plan.rxDcs = dcsCode(rxTone);
  plan.polarity = {tx == ToneKind::kDcs ? polarityOf(txTone) : 'N',
                   rx == ToneKind::kDcs ? polarityOf(rxTone) : 'N'};
  if (plan.mode == "Cross") plan.crossMode = kindName(tx) + "->" + kindName(rx);
  return plan;
}

PlanTones planTones(const TonePlan& plan, const std::string& offText) {
  if (!validPolarity(plan.polarity))
    return {{}, {}, "DtcsPolarity: " + plan.polarity + " is not NN, NR, RN or RR"};
  const char txPolarity = plan.polarity[0];
  const char rxPolarity = plan.polarity[1];
  if (plan.mode.empty()) return {offText, offText, {}};
  if (plan.mode == kTone) return {plan.txCtcss, offText, {}};
  if (plan.mode == "TSQL") return {plan.rxCtcss, plan.rxCtcss, {}};
  if (plan.mode == kDtcs)
    return {dcsText(plan.txDcs, txPolarity), dcsText(plan.txDcs, rxPolarity), {}};
  if (plan.mode != "Cross")
    return {{}, {}, "Tone: " + plan.mode + " is not Tone, TSQL, DTCS or Cross"};
  const std::size_t arrow = plan.crossMode.find("->");
  const std::string txSide = arrow == std::string::npos ? "?" : plan.crossMode.substr(0, arrow);
  const std::string rxSide = arrow == std::string::npos ? "?" : plan.crossMode.substr(arrow + 2);
  for (const std::string& side : {txSide, rxSide})
    if (!side.empty() && side != kTone && side != kDtcs)
      return {{}, {}, "CrossMode: " + plan.crossMode + " is not of the form Tone->DTCS"};
  return {sideTone(txSide, plan.txCtcss, plan.txDcs, txPolarity, offText),
          sideTone(rxSide, plan.rxCtcss, plan.rxDcs, rxPolarity, offText),
          {}};
}

}  // namespace q7
