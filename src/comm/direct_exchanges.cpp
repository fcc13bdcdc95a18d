#include "comm/direct_exchanges.h"
#include "foundation/memory_map.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace q7 {
namespace {

const std::string kLongTimeout = "Rx: 未收到数据   第 串数据未收到";
const std::string kShortTimeout = "Rx: 未收到数据";

constexpr std::size_t kClassByte = map::kClassByte - map::kParameterArea;
constexpr std::size_t kVersionByte = map::kVersionByte - map::kParameterArea;

// One image byte taken over into the radio's parameter area (exchange 4):
// the whole byte, or only the bits of `mask`.
struct TakenBits {
  int address;
  std::uint8_t mask;
};
constexpr TakenBits kTakenFromImage[] = {
    {0x3F6, 0xFF}, {0x3F7, 0xFF}, {0x3FC, 0x80}, {0x3FE, 0x04}};

// Image regions written with the second write form for radios of class
// 100..149 whose version byte has 101 in bits 3..5.
struct Region {
  int address;
  int length;
  const char* logLine;
};
constexpr Region kVersionRegions[] = {
    {0x360, 0x10, "写入:0x0360 -- 0x036F的数据"},
    {0x3D9, 0x07, "写入:0x03D9 -- 0x03DF的数据"},
    {0x3E0, 0x0C, "写入:0x03E0 -- 0x03EB的数据"},
};

Bytes header(std::uint8_t command, int address, int length) {
  return {command, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
          static_cast<std::uint8_t>(length)};
}

void appendImage(Bytes& frame, const CodeplugImage& image, int address, int length) {
  for (int i = 0; i < length; ++i) frame.push_back(image[static_cast<std::size_t>(address + i)]);
}

DirectExchange earpieceVolume(const CodeplugImage& image) {
  DirectExchange x{.logLine = "写入:耳麦音量",
                   .logEachTry = true,
                   .pauseMs = 5,
                   .pauseEachTry = true,
                   .frame = header(kSecondWriteCommand, map::kEarpieceVolume, 1),
                   .timeoutLine = kShortTimeout};
  appendImage(x.frame, image, map::kEarpieceVolume, 1);
  return x;
}

DirectExchange radioParameters(const Bytes& parameters, const CodeplugImage& image,
                               CommandPair pair) {
  constexpr int kFirst = static_cast<int>(map::kRadioParameters), kLength = 16;
  DirectExchange x{.logLine = "写入:收音机的SQL和音量及对讲机的参数",
                   .logEachTry = true,
                   .pauseMs = 5,
                   .pauseEachTry = true,
                   .frame = header(pair.write, kFirst, kLength),
                   .timeoutLine = kShortTimeout};
  Bytes area(parameters.begin() + (kFirst - map::kParameterArea), parameters.end());
  for (const TakenBits& taken : kTakenFromImage) {
    std::uint8_t& byte = area[static_cast<std::size_t>(taken.address - kFirst)];
    byte = static_cast<std::uint8_t>((byte & ~taken.mask) |
                                     (image[static_cast<std::size_t>(taken.address)] & taken.mask));
  }
  x.frame.insert(x.frame.end(), area.begin(), area.end());
  return x;
}

DirectExchange versionRegion(const Region& region, const CodeplugImage& image) {
  DirectExchange x{.logLine = region.logLine,
                   .pauseMs = 2,
                   .frame = header(kSecondWriteCommand, region.address, region.length),
                   .pollMs = 4,
                   .timeoutLine = kLongTimeout};
  appendImage(x.frame, image, region.address, region.length);
  return x;
}

using Exchanges = std::vector<DirectExchange>;

Exchanges earpieceVolumeExchanges(const Bytes&, const CodeplugImage& image, CommandPair) {
  return {earpieceVolume(image)};
}

Exchanges radioParameterExchanges(const Bytes& parameters, const CodeplugImage& image,
                                  CommandPair pair) {
  return {radioParameters(parameters, image, pair)};
}

Exchanges versionRegionExchanges(const Bytes&, const CodeplugImage& image, CommandPair) {
  Exchanges exchanges;
  for (const Region& region : kVersionRegions) exchanges.push_back(versionRegion(region, image));
  return exchanges;
}

// What the radio says of itself in its parameter area.
struct RadioKind {
  int radioClass;
  int version;
};

struct ClassRange {
  int first, last;
};
// The classes of radio the exchanges tell apart.
constexpr ClassRange kEarpieceRadios{100, 100};
constexpr ClassRange kRadiosWithReceiver{22, 99};
// Of that range, the one that takes no parameters.
constexpr int kReceiverWithoutParameters[] = {31};
constexpr ClassRange kVersionedRadios{100, 149};

// A row: the exchanges sent to the radios of a class range (but not the
// excluded classes) whose version byte, masked, equals the value.
struct ClassExchange {
  ClassRange classes;
  std::span<const int> excluded;
  std::uint8_t versionMask;
  std::uint8_t versionValue;
  Exchanges (*exchanges)(const Bytes& parameters, const CodeplugImage& image, CommandPair pair);

  bool calledFor(const RadioKind& radio) const {
    return radio.radioClass >= classes.first && radio.radioClass <= classes.last &&
           std::find(excluded.begin(), excluded.end(), radio.radioClass) == excluded.end() &&
           (radio.version & versionMask) == versionValue;
  }
};

// In the order they are sent; bits 3..5 of the version byte = 101 call for
// the regions.
const ClassExchange kClassExchanges[] = {
    {kEarpieceRadios, {}, 0x00, 0x00, earpieceVolumeExchanges},
    {kRadiosWithReceiver, kReceiverWithoutParameters, 0x00, 0x00, radioParameterExchanges},
    {kVersionedRadios, {}, 0x38, 0x28, versionRegionExchanges},
};

}  // namespace

std::array<std::uint8_t, 2> bandLimitBcd(long limit) {
  const long steps = std::lround(std::nearbyint(limit / 10000.0));
  const auto packed = packBcd(static_cast<std::uint32_t>(steps), 4, ByteOrder::HighFirst);
  return {packed[0], packed[1]};
}

DirectExchange modelAndBandExchange(const CodeplugImage& image, CommandPair pair, BandLimits band) {
  DirectExchange x{.logLine = "写入:机型和频段",
                   .pauseMs = 3,
                   .frame = header(pair.write, map::kModel, 5),
                   .timeoutLine = kLongTimeout};
  x.frame.push_back(image[map::kModel]);
  for (long limit : {band.lower, band.upper}) {
    const auto bcd = bandLimitBcd(limit);
    x.frame.insert(x.frame.end(), bcd.begin(), bcd.end());
  }
  return x;
}

DirectExchange parameterReadExchange(CommandPair pair) {
  return {.logLine = "读取:对讲机的机型和参数",
          .pauseMs = 5,
          .frame = header(pair.read, map::kParameterArea, static_cast<int>(kParameterSize)),
          .replyLength = kParameterReplyLength,
          .replyFirst = pair.write,
          .pollMs = 4,
          .timeoutLine = kLongTimeout};
}

std::vector<DirectExchange> parameterExchanges(const Bytes& parameters, const CodeplugImage& image,
                                               CommandPair pair) {
  const RadioKind radio{parameters.at(kClassByte), parameters.at(kVersionByte)};
  std::vector<DirectExchange> exchanges;
  for (const ClassExchange& row : kClassExchanges) {
    if (!row.calledFor(radio)) continue;
    for (DirectExchange& x : row.exchanges(parameters, image, pair)) exchanges.push_back(x);
  }
  return exchanges;
}

}  // namespace q7
