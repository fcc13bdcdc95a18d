// Where a read or write stopped and what the radio holds after it: the words
// both programs use, judged from what went out to the radio; and a stop
// request that no stage of a checked write clears.
#include <gtest/gtest.h>

#include <algorithm>

#include "comm/checked_transfer.h"
#include "comm/comm_caption_rows.h"
#include "comm/transfer_fixture.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

using Stage = TransferStop::Stage;

struct StopCase {
  TransferStop stop;
  const char* report;
};

const StopCase kStopCases[] = {
    {{Stage::Read, -1, false}, "at 0% of the read"},
    {{Stage::Read, 45, false}, "at 45% of the read"},
    {{Stage::BackupRead, 12, false}, "at 12% of the backup read; nothing was written"},
    {{Stage::Write, -1, false}, "at 0% of the write; nothing was written"},
    {{Stage::Write, -1, true},
     "at 0% of the write; the radio is only partly written; write it again"},
    {{Stage::Write, 73, true},
     "at 73% of the write; the radio is only partly written; write it again"},
    {{Stage::Write, 100, true},
     "in the exchanges after the blocks of the write; the radio is only partly written; write it "
     "again"},
    {{Stage::ReadBack, 50, true}, "at 50% of the read-back; the radio is written but not verified"},
};

TEST(StopReport, SaysWhereItStoppedAndWhatTheRadioHolds) {
  const CaptionTable english(kEnglish);
  for (const StopCase& c : kStopCases) EXPECT_EQ(stopReport(english, c.stop), c.report);
}

TEST(StopReport, SpeaksEachLanguage) {
  const TransferStop cut{Stage::Write, 73, true};
  EXPECT_EQ(stopReport(CaptionTable(kSimplifiedChinese), cut),
            "在写入的 73% 处; 对讲机只写入了一部分；请重新写入");
  EXPECT_EQ(stopReport(CaptionTable(kTraditionalChinese), cut),
            "在寫入的 73% 處; 對講機只寫入了一部分；請重新寫入");
}

TEST(StoresInRadio, OnlyFramesThatCarryBytesToStore) {
  const CommandPair pair{0x52, 0x57};
  EXPECT_TRUE(storesInRadio(Bytes{0x57, 0x00, 0x10, 0x02, 0xAA, 0xBB}, pair));
  EXPECT_TRUE(storesInRadio(Bytes{0x75, 0x01, 0x94, 0x01, 0x5A}, pair));
  EXPECT_TRUE(storesInRadio(Bytes{0x41, 0x00, 0x10, 0x01, 0x00}, CommandPair{0x40, 0x41}));
  EXPECT_FALSE(storesInRadio(Bytes{0x52, 0x03, 0xD0, 0x30}, pair));        // a read
  EXPECT_FALSE(storesInRadio(Bytes{0x57, 0x00, 0x10, 0x02, 0xAA}, pair));  // length disagrees
  EXPECT_FALSE(storesInRadio(Bytes{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}, pair));  // PROGRAM
  EXPECT_FALSE(storesInRadio(Bytes{0x06}, pair));
}

class CheckedStopTest : public test::TransferTest {
 protected:
  CheckedStopTest() {
    link.replyDelay = Millis(0);
    image.bytes()[0x40] = 0x12;
  }
  CheckedWrite write(bool backups = true) {
    CheckedTransfer checked(transfer, {backups, true, dir / "Backups"});
    return checked.write(image, 1, {{0, 0x3FF}, {0x10, 0x37F}});
  }
  bool anyFrameStored() const {
    return std::any_of(link.sent.begin(), link.sent.end(),
                       [](const Bytes& f) { return storesInRadio(f, kStandardPair); });
  }
  test::TempDir dir;
};

// The first write step already sends the VOX levels: a radio that stores
// them and is then lost is partly written, though no step succeeded.
TEST_F(CheckedStopTest, AWriteCutRightAfterTheVoxFrameLeavesThePartlyWrittenRadio) {
  constexpr int kVoxFrame = 4;  // PROGRAM, PROGRAM, identification, then the VOX levels
  radio.faults().corruptFrame = kVoxFrame;
  radio.faults().hangUpAfterFrame = kVoxFrame;
  const CheckedWrite result = write(false);
  EXPECT_FALSE(result.succeeded());
  EXPECT_EQ(result.stage, WriteStage::Write);
  EXPECT_TRUE(result.radioChanged);
  EXPECT_EQ(stopReport(CaptionTable(kEnglish), stopOf(result)),
            "at 0% of the write; the radio is only partly written; write it again");
}

TEST_F(CheckedStopTest, AWriteThatNeverReachedTheVoxFrameWroteNothing) {
  radio.faults().stopAfterFrame = 2;  // the identification is not answered
  const CheckedWrite result = write(false);
  EXPECT_EQ(result.stage, WriteStage::Write);
  EXPECT_FALSE(result.radioChanged);
  EXPECT_FALSE(anyFrameStored());
  EXPECT_EQ(whatTheRadioHolds(CaptionTable(kEnglish), stopOf(result)), "nothing was written");
}

// Neither a read nor a write clears a stop request when it starts.
TEST_F(CheckedStopTest, NoTransferClearsAStopRequest) {
  link.replyDelay = Millis(5);  // every answer is waited for, and the waits see the stop
  transfer.requestStop();
  EXPECT_NE(transfer.read(image, 1, {{0, 0x3FF}, {0x10, 0x37F}}), TransferOutcome::Succeeded);
  EXPECT_TRUE(transfer.stopRequested());
  EXPECT_NE(transfer.write(image, 1, {{0, 0x3FF}, {0x10, 0x37F}}), TransferOutcome::Succeeded);
  EXPECT_TRUE(transfer.stopRequested());
}

// A stop request made at each boundary between the stages of a checked write
// ends it there, and is still set afterwards.
struct BoundaryCase {
  const char* name;
  // The n-th 100 % shown requests the stop (0: before the write). A read shows
  // 100 % after its last frame and once more when it has ended.
  int stopAtHundred;
  bool stopAtClosingFrame;
  WriteStage stage;
  bool radioChanged;
};

const BoundaryCase kBoundaries[] = {
    {"BeforeTheBackupRead", 0, false, WriteStage::Backup, false},
    {"AfterTheBackupReadsLastFrame", 1, false, WriteStage::Write, false},
    {"AfterTheLastBlock", 3, false, WriteStage::Write, true},
    {"DuringTheClosingFrames", -1, true, WriteStage::Verify, true},
};

class StopAtBoundaryTest : public CheckedStopTest,
                           public ::testing::WithParamInterface<BoundaryCase> {};

struct StopAtHundred : test::RecordingObserver {
  RadioTransfer* transfer = nullptr;
  int hundreds = 0;
  int stopAt = -1;
  void setProgress(int percent) override {
    if (percent == 100 && ++hundreds == stopAt) transfer->requestStop();
  }
};

TEST_P(StopAtBoundaryTest, EndsTheWriteThereAndStaysSet) {
  const BoundaryCase& c = GetParam();
  StopAtHundred observer;
  observer.transfer = &transfer;
  observer.stopAt = c.stopAtHundred;
  transfer.setObserver(&observer);
  if (c.stopAtHundred == 0) transfer.requestStop();
  std::size_t framesAtStop = 0;
  link.onSend = [&](const Bytes& frame) {
    if (c.stopAtClosingFrame && frame.size() == 7 && frame[0] == 0x45 && !framesAtStop) {
      transfer.requestStop();
      framesAtStop = link.sent.size();
    }
  };
  const CheckedWrite result = write();
  EXPECT_FALSE(result.succeeded());
  EXPECT_EQ(result.stage, c.stage);
  EXPECT_EQ(result.radioChanged, c.radioChanged);
  EXPECT_EQ(anyFrameStored(), c.radioChanged);
  EXPECT_TRUE(transfer.stopRequested());
  if (c.stopAtHundred == 0) EXPECT_TRUE(link.sent.empty());
  // After the closing frames nothing more goes out: no read-back begins.
  if (c.stopAtClosingFrame) EXPECT_EQ(link.sent.size(), framesAtStop + 5);
}

INSTANTIATE_TEST_SUITE_P(CheckedStop, StopAtBoundaryTest, ::testing::ValuesIn(kBoundaries),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q7
