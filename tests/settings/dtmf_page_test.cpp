// The DTMF page as the option model shows it.
#include <gtest/gtest.h>

#include "signalling_pages.h"

namespace q7 {
namespace {

using test::LoadCase;
using test::SignallingPages;

TEST(DtmfPage, LoadingShowsTheStoredChoiceAndCorrectsOutOfRangeBytes) {
  const LoadCase cases[] = {
      {"cboPreCarTime", 0x3D9, 0, "0", 0},
      {"cboPreCarTime", 0x3D9, 255, "5100", 255},
      {"cboCodeContiTime", 0x3DA, 0x00, "510", 50},
      {"cboCodeContiTime", 0x3DA, 2, "510", 50},
      {"cboCodeContiTime", 0x3DA, 3, "40", 3},  // what choosing "40" stores
      {"cboCodeContiTime", 0x3DA, 253, "2540", 253},
      {"cboCodeContiTime", 0x3DA, 254, "510", 50},
      {"cboCodeSpaceTime", 0x3DB, 255, "510", 50},
      {"cboCodeSpaceTime", 0x3DB, 100, "1010", 100},
      {"cboPttIdPauseTime", 0x3DC, 0, "0s", 0},
      {"cboPttIdPauseTime", 0x3DC, 255, "255s", 255},
      {"cboDtmf2ToneVol", 0x3E0, 69, "63", 69},
      {"cboDtmf2ToneVol", 0x3E0, 255, "255", 255},
      {"cboAutoRstTimer", 0x117, 0, "Off", 0},
      {"cboAutoRstTimer", 0x117, 1, "1s", 1},
      {"cboAutoRstTimer", 0x117, 255, "255s", 255},
      {"cboDtmfCallAlarm", 0x118, 0, "Off", 0},
      {"cboDtmfCallAlarm", 0x118, 1, "Continuous", 1},
      {"cboDtmfCallAlarm", 0x118, 2, "Glint10s", 2},
      {"cboDtmfCallAlarm", 0x118, 255, "Glint2540s", 255},
      {"cboDtmfCloseSort", 0x1FA, 0xFE, "Tx Inhibit", 0x00},
      {"cboDtmfCloseSort", 0x1FA, 0x03, "Tx/Rx Inhibit", 0x01},
  };
  test::expectLoads<SignallingPages>(cases);
}

TEST(DtmfPage, GroupCharactersAreCodedAndAnythingElseIsOff) {
  struct Case {
    std::uint8_t stored;
    const char* shown;
    std::uint8_t after;
  };
  const Case cases[] = {{0x00, "Off", 0x00}, {0x41, "A", 0x41},   {0x42, "B", 0x42},
                        {0x43, "C", 0x43},   {0x44, "D", 0x44},   {0x2A, "*", 0x2A},
                        {0x23, "#", 0x23},   {0x45, "Off", 0x00}, {0xFF, "Off", 0x00}};
  for (const char* list : {"cboDtmfGrpCode", "cboStunGrpCode"}) {
    const std::uint16_t address = list == std::string("cboDtmfGrpCode") ? 0x116 : 0x3DD;
    for (const Case& c : cases) {
      SignallingPages t;
      t.image[address] = c.stored;
      t.pages.initOpt();
      EXPECT_EQ(t.shown(list), c.shown) << list << " " << int(c.stored);
      EXPECT_EQ(t.image[address], c.after) << list << " " << int(c.stored);
    }
    SignallingPages t;
    t.pages.initOpt();
    t.chooseItem(list, "#");
    EXPECT_EQ(t.image[address], 0x23) << list;
  }
}

TEST(DtmfPage, ChoosingADigitDurationSetsTheIntervalToo) {
  SignallingPages t;
  t.pages.initOpt();
  t.chooseItem("cboCodeContiTime", "40");
  EXPECT_EQ(t.image[0x3DA], 3);
  EXPECT_EQ(t.shown("cboCodeSpaceTime"), "40");
  EXPECT_EQ(t.image[0x3DB], 3);
  t.chooseItem("cboCodeSpaceTime", "100");
  EXPECT_EQ(t.image[0x3DB], 9);
  EXPECT_EQ(t.image[0x3DA], 3);
}

TEST(DtmfPage, ReloadingNeverCopiesTheDigitDurationOverTheInterval) {
  SignallingPages t;
  t.image[0x3DA] = 10;
  t.image[0x3DB] = 20;
  t.pages.initOpt();
  t.image[0x3DA] = 30;
  t.image[0x3DB] = 40;
  t.pages.initOpt();  // the interval list still has its earlier selection
  EXPECT_EQ(t.image[0x3DA], 30);
  EXPECT_EQ(t.image[0x3DB], 40);
  EXPECT_EQ(t.shown("cboCodeContiTime"), "310");
  EXPECT_EQ(t.shown("cboCodeSpaceTime"), "410");
}

TEST(DtmfPage, TypedCodesAreFilteredAndStored) {
  SignallingPages t;
  t.pages.initOpt();
  t.pages.type("txtPttBot", "12ab*#x9");
  EXPECT_EQ(t.text("txtPttBot"), "12AB*#9");
  EXPECT_EQ(t.bytes(0x140, 8), (std::vector<int>{0x31, 0x32, 0x41, 0x42, 0x2A, 0x23, 0x39, 0xFF}));
  t.pages.type("txtDtmfIdCode", "1a2");
  EXPECT_EQ(t.text("txtDtmfIdCode"), "12");
  t.pages.type("txtAutoMem(7)", "*5");
  EXPECT_EQ(t.bytes(0x270, 3), (std::vector<int>{0x2A, 0x35, 0xFF}));
}

TEST(DtmfPage, StunTypeIsOfferedFromThreeStunCodeCharacters) {
  SignallingPages t;
  t.pages.initOpt();
  EXPECT_FALSE(t.pages.control("cboDtmfCloseSort").enabled);
  t.pages.type("txtDtmfCloseCode", "12");
  EXPECT_FALSE(t.pages.control("cboDtmfCloseSort").enabled);
  t.pages.type("txtDtmfCloseCode", "123");
  EXPECT_TRUE(t.pages.control("cboDtmfCloseSort").enabled);
  t.pages.choose("cboDtmfCloseSort", 1);
  EXPECT_EQ(t.image[0x1FA], 0x01);

  SignallingPages loaded;
  loaded.image[0x1E0] = '1';
  loaded.image[0x1E1] = '2';
  loaded.image[0x1F8] = '3';
  loaded.pages.initOpt();
  EXPECT_EQ(loaded.text("txtDtmfCloseCode"), "123");
  EXPECT_TRUE(loaded.pages.control("cboDtmfCloseSort").enabled);
  EXPECT_EQ(loaded.bytes(0x1E0, 4), (std::vector<int>{'1', '2', '3', 0xFF}));
  EXPECT_EQ(loaded.bytes(0x1F8, 2), (std::vector<int>{0xFF, 0xFF}));
}

TEST(DtmfPage, LoadingKeepsStoredCharactersTheTypingFilterWouldDrop) {
  SignallingPages t(0xFF);
  t.image[0x150] = 'E';
  t.image[0x151] = 'F';
  t.image[0x120] = 'A';
  t.image[0x121] = '7';
  t.pages.initOpt();
  EXPECT_EQ(t.text("txtPttEot"), "EF");
  EXPECT_EQ(t.text("txtDtmfIdCode"), "A7");
  EXPECT_EQ(t.bytes(0x150, 3), (std::vector<int>{'E', 'F', 0xFF}));
  EXPECT_EQ(t.bytes(0x120, 3), (std::vector<int>{'A', '7', 0xFF}));
}

TEST(DtmfPage, VolumeListWritesTheTableCode) {
  SignallingPages t;
  t.pages.initOpt();
  t.pages.choose("cboDtmf2ToneVol", 100);
  EXPECT_EQ(t.image[0x3E0], 47);
}

TEST(DtmfPage, FlagsFollowTheirBits) {
  struct Case {
    const char* box;
    std::uint16_t address;
    std::uint8_t mask;
  };
  const Case cases[] = {{"chkDtmfMoni", 0x115, 0x01},
                        {"chkNoRespPttIdNoPause", 0x36A, 0x20},
                        {"chkDtmfCallAlarmTone", 0x36A, 0x10}};
  for (const Case& c : cases) {
    SignallingPages t(0xFF);
    t.pages.initOpt();
    EXPECT_TRUE(t.pages.control(c.box).checked) << c.box;
    t.pages.click(c.box, false);
    EXPECT_EQ(t.image[c.address], 0xFF & ~c.mask) << c.box;
  }
}

// Every DTMF byte after loading a blank (all 0x00) or erased (all 0xFF) image.
TEST(DtmfPage, LoadingBlankAndErasedImagesGivesCanonicalBytes) {
  struct Expect {
    std::uint16_t address;
    int fromBlank;
    int fromErased;
  };
  const Expect singles[] = {
      {0x115, 0x00, 0xFF}, {0x116, 0x00, 0x00}, {0x117, 0x00, 0xFF}, {0x118, 0x00, 0xFF},
      {0x1FA, 0x00, 0x01}, {0x36A, 0x00, 0xFF}, {0x3D9, 0x00, 0xFF}, {0x3DA, 50, 50},
      {0x3DB, 50, 50},     {0x3DC, 0x00, 0xFF}, {0x3DD, 0x00, 0x00}, {0x3E0, 0x00, 0xFF},
  };
  for (std::uint8_t fill : {0x00, 0xFF}) {
    SignallingPages t(fill);
    t.pages.initOpt();
    for (const Expect& e : singles) {
      EXPECT_EQ(t.image[e.address], fill == 0 ? e.fromBlank : e.fromErased)
          << std::hex << e.address << " fill " << int(fill);
    }
    const std::pair<std::size_t, std::size_t> codeRuns[] = {
        {0x120, 10}, {0x140, 32}, {0x1E0, 8}, {0x1F8, 2}, {0x200, 128}};
    for (const auto& [address, count] : codeRuns) {
      EXPECT_EQ(t.bytes(address, count), std::vector<int>(count, 0xFF)) << std::hex << address;
    }
    EXPECT_EQ(t.bytes(0x1E8, 16), std::vector<int>(16, fill));
    EXPECT_EQ(t.bytes(0x12A, 22), std::vector<int>(22, fill));
  }
}

}  // namespace
}  // namespace q7
