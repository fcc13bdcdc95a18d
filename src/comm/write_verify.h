#pragma once
// The read-back check of a write: which addresses of the written range must
// hold, after the write, exactly what the image sent, and which of them do not.
#include <span>
#include <vector>

#include "comm/step_table.h"
#include "foundation/codeplug_image.h"

namespace q7 {

// Addresses the radio keeps for itself whatever a write sends there.
struct RadioOwnBytes {
  int first;
  int last;
  const char* what;
};

// The one list of bytes the check leaves out besides those a write never
// sends (the write's own step table says which it sends).
std::span<const RadioOwnBytes> radioOwnBytes();

// Addresses of `written` that the write's block steps send and the radio
// keeps as sent, in ascending order.
std::vector<int> verifiedAddresses(AddressRange written);

// The checked addresses where the radio's bytes differ from those sent.
std::vector<int> differingAddresses(const CodeplugImage& sent, const CodeplugImage& readBack,
                                    AddressRange written);

}  // namespace q7
