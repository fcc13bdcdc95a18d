#include "comm/transfer_stop.h"

#include <algorithm>

#include "comm/comm_caption_rows.h"

namespace q7 {
namespace {

constexpr int kAllBlocks = 100;

int placeRow(TransferStop::Stage stage) {
  switch (stage) {
    case TransferStop::Stage::Read:
      return row::kStoppedInRead;
    case TransferStop::Stage::BackupRead:
      return row::kStoppedInBackupRead;
    case TransferStop::Stage::Write:
      return row::kStoppedInWrite;
    case TransferStop::Stage::ReadBack:
      return row::kStoppedInReadBack;
  }
  return row::kStoppedInRead;
}

}  // namespace

std::string whereItStopped(const CaptionTable& captions, const TransferStop& stop) {
  if (stop.stage == TransferStop::Stage::Write && stop.reached >= kAllBlocks)
    return captions(row::kStoppedAfterBlocks);
  std::string text = captions(placeRow(stop.stage));
  const std::string percent = std::to_string(std::max(stop.reached, 0));
  if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, percent);
  return text;
}

std::string whatTheRadioHolds(const CaptionTable& captions, const TransferStop& stop) {
  switch (stop.stage) {
    case TransferStop::Stage::Read:
      return {};
    case TransferStop::Stage::BackupRead:
      return captions(row::kNothingWritten);
    case TransferStop::Stage::Write:
      return captions(stop.radioChanged ? row::kPartlyWritten : row::kNothingWritten);
    case TransferStop::Stage::ReadBack:
      return captions(row::kWrittenNotVerified);
  }
  return {};
}

std::string stopReport(const CaptionTable& captions, const TransferStop& stop) {
  const std::string holds = whatTheRadioHolds(captions, stop);
  return whereItStopped(captions, stop) + (holds.empty() ? "" : "; " + holds);
}

}  // namespace q7
