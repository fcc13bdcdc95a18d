#pragma once
// The exchanges a write sends after its block steps, coded directly rather
// than by script: model and band, the read-back of the radio's parameter area
// 0x3D0..0x3FF, and the exchanges that the radio's class byte (0x3D4) and
// version byte (0x3D3) call for.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "comm/serial_link.h"
#include "comm/step_table.h"
#include "comm/transfer_hooks.h"
#include "foundation/codeplug_image.h"
#include "foundation/memory_map.h"

namespace q7 {

struct DirectExchange {
  std::string logLine;
  bool logEachTry = false;
  int pauseMs = 0;  // a plain sleep and a DelayNms of this length before the exchange
  bool pauseEachTry = false;
  Bytes frame;
  std::size_t replyLength = 1;
  std::uint8_t replyFirst = 0x06;
  int pollMs = 3;  // length of one reply poll
  std::string timeoutLine;
};

inline constexpr int kDirectTries = 16;
inline constexpr int kDirectExtraPolls = 30;
inline constexpr std::size_t kParameterSize = 48;
inline constexpr std::size_t kParameterReplyLength = 4 + kParameterSize;

// Band limit in 100 kHz steps as four BCD digits, most significant first:
// 400.00 MHz gives 40 00.
std::array<std::uint8_t, 2> bandLimitBcd(long limit);

DirectExchange modelAndBandExchange(const CodeplugImage& image, CommandPair pair, BandLimits band);
DirectExchange parameterReadExchange(CommandPair pair);
// The exchanges after the parameter read that the radio's class and version
// call for, in order; `parameters` holds the radio's 0x3D0..0x3FF.
std::vector<DirectExchange> parameterExchanges(const Bytes& parameters, const CodeplugImage& image,
                                               CommandPair pair);

}  // namespace q7
