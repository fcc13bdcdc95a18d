#include "shell/codeplug_report.h"

#include <gtest/gtest.h>

#include "channels/channel_record.h"
#include "channels/decimal_text.h"
#include "settings/two_tone.h"
#include "settings/volume_table.h"
#include "support/opened_file.h"

namespace q7 {
namespace {

// The defaults file opened as the command line opens a data file.
struct OpenedDefaults : test::OpenedFile {
  explicit OpenedDefaults(int language, const std::function<void(CodeplugImage&)>& change = {})
      : OpenedFile(std::filesystem::path(Q7_DATA_DIR) / "DefRadioSet.def", language, change) {}
  ReportValue report() const { return codeplugReport(editor, state); }
};

// Channel 1 on 446.00625 MHz receiving 88.5 Hz, transmitting on 446.125 MHz without a tone.
void addChannelOne(CodeplugImage& image) {
  encodeFrequency(image, recordAddress(1) + kRxOffset, 44600625);
  encodeFrequency(image, recordAddress(1) + kTxOffset, 44612500);
  image.setWord(recordAddress(1) + kRxToneOffset, 885);
  image.setWord(recordAddress(1) + kTxToneOffset, 0xFFFF);
}

TEST(CodeplugReport, ModelAndBandAreThoseTheFileSelects) {
  const OpenedDefaults e(kEnglish);
  const ReportValue report = e.report();
  EXPECT_EQ(report.at("model").at("text").textValue(), "TARN Q7");
  const ReportValue& band = report.at("band");
  const BandLimits stored = storedBandLimits(e.state.image);
  EXPECT_EQ(band.at("lower").textValue(), decimalText(stored.lower, 5));
  EXPECT_EQ(band.at("upper").textValue(), decimalText(stored.upper, 5));
  EXPECT_EQ(band.at("text").textValue(),
            kBands.at(static_cast<std::size_t>(bandPosition(stored))).text);
}

TEST(CodeplugReport, ChannelsGiveFrequenciesTonesAndOptionItems) {
  const OpenedDefaults e(kEnglish, addChannelOne);
  const ReportValue report = e.report();
  const ReportValue& channels = report.at("channels");
  ASSERT_EQ(channels.members().size(), 16u);
  const ReportValue& one = channels.at(0);
  EXPECT_EQ(one.at("rx").textValue(), "446.00625");
  EXPECT_EQ(one.at("tx").textValue(), "446.125");
  EXPECT_EQ(one.at("rxTone").textValue(), "88.5");
  EXPECT_EQ(one.at("txTone").textValue(), "None");
  const GridLayout& layout = e.editor.grid().layout();
  const ReportValue& options = one.at("options");
  ASSERT_EQ(options.members().size(), static_cast<std::size_t>(layout.columns - 4));
  for (int c = col::kFirstOption; c <= layout.columns; ++c) {
    const ReportValue& column = options.at(std::to_string(c));
    EXPECT_EQ(column.at("caption").textValue(), layout.captions.at(c)) << c;
    const auto position = static_cast<int>(column.at("position").numberValue());
    EXPECT_FALSE(column.at("text").textValue().empty()) << c;
    EXPECT_EQ(column.at("text").textValue(), layout.at(c).itemText(position)) << c;
  }
  const ReportValue& two = channels.at(1);
  EXPECT_EQ(two.at("rx").textValue(), "");
  EXPECT_EQ(two.at("tx").textValue(), "");
  EXPECT_EQ(two.at("options").at("5").at("text").textValue(), "");
}

TEST(CodeplugReport, OptionsShowWhatTheStoredBytesSelect) {
  const OpenedDefaults e(kEnglish);
  const ReportValue report = e.report();
  const ReportValue& options = report.at("options");
  const CodeplugImage& image = e.state.image;
  const ReportValue& tot = options.at("cboTot");
  EXPECT_EQ(tot.at("position").numberValue(), image[0x130]);
  EXPECT_EQ(tot.at("text").textValue(),
            image[0x130] == 0 ? "Off" : std::to_string(15 * image[0x130]) + "s");
  EXPECT_EQ(options.at("cboSql").at("text").textValue(), std::to_string(image[0x134]));
  EXPECT_EQ(options.at("chkBeep").at("checked").flagValue(), (image[0x136] & 1) != 0);
  EXPECT_EQ(options.at("chkBatSave").at("checked").flagValue(), (image[0x135] & 1) != 0);
  EXPECT_EQ(options.at("cboMicVolume").at("position").numberValue(), volumeDatToSeq(image[0x3FB]));
  // Sections of their own and buttons are not repeated among the options.
  EXPECT_THROW(options.at("txtInfo(1)"), std::out_of_range);
  EXPECT_THROW(options.at("vsfgGridTwoTone(0)(1,1)"), std::out_of_range);
  for (const auto& [name, value] : options.members())
    EXPECT_NE(e.editor.pages().control(name).kind, ControlKind::Button) << name;
}

TEST(CodeplugReport, CaptionsFollowTheLanguage) {
  const OpenedDefaults e(kSimplifiedChinese);
  const ReportValue report = e.report();
  const ReportValue& anVoice = report.at("options").at("cboAnVoice");
  const std::string shown[] = {"关闭", "中文", "英文"};
  const auto position = anVoice.at("position").numberValue();
  ASSERT_GE(position, 0);
  ASSERT_LE(position, 2);
  EXPECT_EQ(anVoice.at("text").textValue(), shown[position]);
  EXPECT_EQ(report.at("channels").at(0).at("options").at("5").at("caption").textValue(), "带宽");
}

// Values keep one form whatever the language: the off tone and the frequencies.
TEST(CodeplugReport, TonesAndFrequenciesDoNotFollowTheLanguage) {
  for (const int language : {kSimplifiedChinese, kTraditionalChinese}) {
    const OpenedDefaults e(language, addChannelOne);
    const ReportValue report = e.report();
    const ReportValue& one = report.at("channels").at(0);
    EXPECT_EQ(one.at("txTone").textValue(), "None") << language;
    EXPECT_EQ(one.at("rxTone").textValue(), "88.5") << language;
    EXPECT_EQ(one.at("rx").textValue(), "446.00625") << language;
  }
}

TEST(CodeplugReport, TwoToneRecordsFollowTheRecordNumbers) {
  const auto distinctTones = [](CodeplugImage& image) {
    for (int record = 1; record <= kTwoToneRecords; ++record) {
      const std::size_t base = kTwoToneBase + kTwoToneRecordSize * (record - 1);
      image.setWord(base, static_cast<std::uint16_t>(5000 + 100 * record));  // tone A, Hz x 10
      image[base + 2] = 10;                                                  // 1.0 s
      image.setWord(base + 3, 0xFFFF);
      image[base + 5] = 0xFF;
      image[base + 6] = 5;
      image[base + 7] = 0x5A;
    }
  };
  const OpenedDefaults e(kEnglish, distinctTones);
  CodeplugImage copy = e.opened;
  const TwoToneTable table = loadTwoToneTable(copy);
  const ReportValue report = e.report();
  const ReportValue& records = report.at("twoTone");
  ASSERT_EQ(records.members().size(), 16u);
  for (int record = 1; record <= kTwoToneRecords; ++record) {
    const ReportValue& shown = records.at(static_cast<std::size_t>(record - 1));
    const TwoToneRow& row = table[static_cast<std::size_t>(record - 1)];
    EXPECT_EQ(shown.at("toneAFre").textValue(), row[kToneAFreColumn]) << record;
    EXPECT_EQ(shown.at("toneATime").textValue(), row[kToneATimeColumn]) << record;
    EXPECT_EQ(shown.at("interval").textValue(), row[kIntervalColumn]) << record;
  }
  EXPECT_NE(records.at(0).at("toneAFre").textValue(), records.at(8).at("toneAFre").textValue());
}

TEST(CodeplugReport, VolumeStepsGivePositionsOfTheStoredCodes) {
  const OpenedDefaults e(kEnglish);
  const ReportValue report = e.report();
  const ReportValue& volume = report.at("volume");
  EXPECT_EQ(volume.at("useThisSet").flagValue(), e.state.image[0x1AB] == 0x5A);
  const ReportValue& steps = volume.at("steps");
  ASSERT_EQ(steps.members().size(), 10u);
  for (std::size_t i = 0; i < 10; ++i) {
    const auto code = steps.at(i).at("code").numberValue();
    EXPECT_EQ(code, e.state.image[0x1A1 + i]) << i;
    EXPECT_EQ(volumeCode(static_cast<int>(steps.at(i).at("position").numberValue())), code) << i;
  }
}

TEST(CodeplugReport, InformationLinesAreShownAsTyped) {
  OpenedDefaults e(kEnglish);
  e.editor.pages().type("txtInfo(1)", "Q7 TEST");
  e.editor.pages().type("txtInfo(2)", "LINE 2");
  e.editor.showImage();  // shown again from the image the typing stored
  const ReportValue report = e.report();
  EXPECT_EQ(report.at("infoLines").at(0).textValue(), "Q7 TEST");
  EXPECT_EQ(report.at("infoLines").at(1).textValue(), "LINE 2");
}

TEST(CodeplugReport, JsonEscapesLineBreaksOfTexts) {
  const OpenedDefaults e(kEnglish);
  const std::string json = toJson(e.report());
  const std::string& example = e.editor.pages().control("txtSeqExample").text;
  ASSERT_NE(example.find("\r\n"), std::string::npos);
  EXPECT_NE(json.find(jsonQuoted(example)), std::string::npos);
  EXPECT_EQ(json.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace q7
