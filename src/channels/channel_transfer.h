#pragma once
// Moving every channel of the grid between the codeplug image and the channel
// value table: decoding after an open, a read or a new image, encoding before a
// save, a write, a partial fill and after each completed grid edit.
#include "channels/channel_record.h"
#include "channels/grid_layout.h"
#include "channels/tone_codec.h"

namespace q7 {

// The tone words of channel n (bytes 8..9 receive, 10..11 transmit) as texts.
void icCtdcsDecSol(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                   int channel);
void icCtdcsEncSol(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                   int channel);
// The tone texts of channel n as words. A text that is no tone is reported
// and leaves the channel's bytes as they are.
void ciCtdcsDecSol(CodeplugImage& image, const ChannelTable& table, const ToneCodec& tones,
                   int channel);
void ciCtdcsEncSol(CodeplugImage& image, const ChannelTable& table, const ToneCodec& tones,
                   int channel);

// Decodes the grid's channels. An empty slot gets no frequencies, tone
// positions 0 and each option column's default item; its tone texts stay.
void iicDatToChInfo(const CodeplugImage& image, ChannelTable& table, const ToneCodec& tones,
                    const GridLayout& layout);
// Encodes every channel of the grid, changed or not.
void chInfoToIicDat(CodeplugImage& image, ChannelTable& table, const ToneCodec& tones, int rows);

// Blanks channel n's record with the template's record of channel n (the
// template image is in data file layout); the channel bitmap keeps its bit.
void restoreRecordFromTemplate(CodeplugImage& image, const CodeplugImage& templateImage,
                               int channel);

}  // namespace q7
