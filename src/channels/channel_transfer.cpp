#include "channels/channel_transfer.h"

#include "foundation/error_report.h"

namespace q7 {
namespace {

constexpr const char* kToneEncodeLocation = "modChMem->QtDqtCharToIic";

std::size_t toneAddress(int channel, int column) {
  if (channel < 1 || channel > kChannelSlots) throw Failure(err::kIndexRange, "channel number");
  return recordAddress(channel) + (column == col::kRxTone ? kRxToneOffset : kTxToneOffset);
}

void decodeTone(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                int channel, int column) {
  table.tone(channel, column) = tones.qtDqtIicToChar(image.word(toneAddress(channel, column)));
}

void encodeTone(CodeplugImage& image, const ChannelTable& table, const ToneCodec& tones,
                int channel, int column) {
  guard(kToneEncodeLocation, [&] {
    image.setWord(toneAddress(channel, column), tones.qtDqtCharToIic(table.tone(channel, column)));
  });
}

void clearEmptySlot(ChannelTable& table, const GridLayout& layout, int channel) {
  table.value(channel, col::kRx) = kNoFrequency;
  table.value(channel, col::kTx) = kNoFrequency;
  table.value(channel, col::kRxTone) = 0;
  table.value(channel, col::kTxTone) = 0;
  // Tones of an image shown before must not reach this image's empty slots.
  table.tone(channel, col::kRxTone).clear();
  table.tone(channel, col::kTxTone).clear();
  for (int c = col::kFirstOption; c <= layout.columns; ++c) {
    table.value(channel, c) = layout.at(c).defaultItem;
  }
}

}  // namespace

void icCtdcsDecSol(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                   int channel) {
  decodeTone(image, table, tones, channel, col::kRxTone);
}

void icCtdcsEncSol(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                   int channel) {
  decodeTone(image, table, tones, channel, col::kTxTone);
}

void ciCtdcsDecSol(CodeplugImage& image, const ChannelTable& table, const ToneCodec& tones,
                   int channel) {
  encodeTone(image, table, tones, channel, col::kRxTone);
}

void ciCtdcsEncSol(CodeplugImage& image, const ChannelTable& table, const ToneCodec& tones,
                   int channel) {
  encodeTone(image, table, tones, channel, col::kTxTone);
}

void iicDatToChInfo(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                    const GridLayout& layout) {
  guard("modChMem->IicDatToChInfo", [&] {
    for (int n = 1; n <= layout.rows; ++n) {
      if (!frequencyPresent(image, recordAddress(n) + kRxOffset)) {
        clearEmptySlot(table, layout, n);
        continue;
      }
      icChParaSol(image, table, n);
      icRxFreSol(image, table, n);
      icTxFreSol(image, table, n);
      icCtdcsDecSol(image, table, tones, n);
      icCtdcsEncSol(image, table, tones, n);
    }
  });
}

void chInfoToIicDat(CodeplugImage& image, ChannelTable& table, const ToneCodec& tones, int rows) {
  guard("modChMem->ChInfoToIicDat", [&] {
    for (int n = 1; n <= rows; ++n) {
      ciChParaSol(image, table, n);
      ciRxFreSol(image, table, n);
      ciTxFreSol(image, table, n);
      ciCtdcsDecSol(image, table, tones, n);
      ciCtdcsEncSol(image, table, tones, n);
    }
  });
}

void restoreRecordFromTemplate(CodeplugImage& image, const CodeplugImage& templateImage,
                               int channel) {
  if (channel < 1 || channel > kChannelSlots) throw Failure(err::kIndexRange, "channel number");
  // The template image holds the template file as read, so the channel's own
  // record lies one file header further on.
  const std::size_t first = recordAddress(channel);
  for (std::size_t i = first; i < first + kRecordSize; ++i) {
    image[i] = templateImage[i + kFileHeaderSize];
  }
}

}  // namespace q7
