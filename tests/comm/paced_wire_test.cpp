#include "comm/paced_wire.h"

#include <gtest/gtest.h>

namespace q7 {
namespace {

using std::chrono::microseconds;

TEST(PacedWire, BytesTakeTenBitTimesEachInBothDirections) {
  PacedWire wire(9600);
  const TimePoint t0{};
  const Bytes request = {0x52, 0x03, 0x80, 0x10};
  wire.arrive(t0, request);
  EXPECT_TRUE(wire.arrived(t0 + microseconds(1000)).empty());
  const auto first = wire.arrived(t0 + microseconds(1042));
  ASSERT_EQ(first.size(), 1u);
  const auto rest = wire.arrived(t0 + microseconds(4200));
  ASSERT_EQ(rest.size(), 3u);
  EXPECT_EQ(rest.back().second, 0x10);
  const TimePoint done = rest.back().first;
  EXPECT_GE(done - t0, microseconds(4166));

  wire.depart(done, Bytes{0x06, 0x07});
  EXPECT_EQ(wire.nextEvent(), done + wire.byteTime());
  EXPECT_TRUE(wire.departed(done).empty());
  EXPECT_EQ(wire.departed(done + 2 * wire.byteTime()), (Bytes{0x06, 0x07}));
  EXPECT_FALSE(wire.nextEvent());
}

TEST(PacedWire, RepliesQueueBehindEachOther) {
  PacedWire wire(9600);
  const TimePoint t0{};
  wire.depart(t0, Bytes{1});
  wire.depart(t0, Bytes{2});
  EXPECT_EQ(wire.departed(t0 + wire.byteTime()), Bytes{1});
  EXPECT_EQ(wire.departed(t0 + 2 * wire.byteTime()), Bytes{2});
}

TEST(PacedWire, RateZeroPassesEverythingAtOnce) {
  PacedWire wire(0);
  const TimePoint t0{};
  wire.arrive(t0, Bytes{1, 2, 3});
  EXPECT_EQ(wire.arrived(t0).size(), 3u);
  wire.depart(t0, Bytes{4});
  EXPECT_EQ(wire.departed(t0), Bytes{4});
}

}  // namespace
}  // namespace q7
