#include "comm/traffic_log.h"

#include <gtest/gtest.h>

#include <numeric>

#include "comm/hex_text.h"
#include "comm/serial_link.h"

namespace q7 {
namespace {

Bytes counting(std::size_t count) {
  Bytes bytes(count);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
  return bytes;
}

TEST(TrafficLog, FormatsFramesInFirstFullAndPartialLines) {
  struct Case {
    Direction direction;
    Bytes bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {Direction::Sent, {0x52, 0x03, 0x80, 0x10}, {"Tx: 52 03 80 10 "}},
      {Direction::Received, {0x06}, {"Rx: 06 "}},
      {Direction::Sent, {0x0A, 0xFF}, {"Tx: 0A FF "}},
      {Direction::Received,
       counting(20),
       {"Rx: 00 01 02 03 ", "       04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 "}},
      {Direction::Received,
       counting(23),
       {"Rx: 00 01 02 03 ", "       04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 ",
        "    14 15 16 "}},
      {Direction::Sent, counting(6), {"Tx: 00 01 02 03 ", "    04 05 "}},
  };
  for (const Case& c : cases) EXPECT_EQ(formatTraffic(c.direction, c.bytes), c.lines);
}

TEST(TrafficLog, ClearsBeforeTheNextFrameOnceMoreThan3000LinesGathered) {
  TrafficLog log;
  int clears = 0;
  log.setSink({nullptr, [&] { ++clears; }});
  for (int i = 0; i < 3001; ++i) log.frame(Direction::Sent, Bytes{0x06});
  EXPECT_EQ(log.lineCounter(), 3001);
  EXPECT_EQ(clears, 0);
  log.frame(Direction::Received, Bytes{0x06});
  EXPECT_EQ(clears, 1);
  EXPECT_EQ(log.lineCounter(), 1);
  EXPECT_EQ(log.lines(), std::vector<std::string>{"Rx: 06 "});
}

TEST(TrafficLog, SuppressedLogKeepsNothing) {
  TrafficLog log;
  std::vector<std::string> seen;
  log.setSink({[&](const std::string& line) { seen.push_back(line); }, nullptr});
  log.setSuppressed(true);
  log.frame(Direction::Sent, Bytes{0x06});
  log.note("写入:频率");
  EXPECT_TRUE(log.lines().empty());
  EXPECT_TRUE(seen.empty());
  log.setSuppressed(false);
  log.note("写入:频率");
  EXPECT_EQ(seen, std::vector<std::string>{"写入:频率"});
}

TEST(HexText, BytesAddressesAndTokens) {
  EXPECT_EQ(formatByte(0x0A), "0A");
  EXPECT_EQ(formatByte(0xF2), "F2");
  EXPECT_EQ(formatAddress(0x388), "0388");
  EXPECT_EQ(parseByteToken("5A"), std::uint8_t{0x5A});
  EXPECT_EQ(parseByteToken("0a"), std::uint8_t{0x0A});
  EXPECT_FALSE(parseByteToken("VA"));
  EXPECT_FALSE(parseByteToken("G1"));
  EXPECT_FALSE(parseByteToken(""));
  EXPECT_FALSE(parseByteToken("100"));
}

}  // namespace
}  // namespace q7
