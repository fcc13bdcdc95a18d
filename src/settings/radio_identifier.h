#pragma once
// The radio identifier block at 0x1B8..0x1BF. An image whose block does not
// start with the identifier's first character gets the whole block written
// after every display refresh; one that does keeps its eight bytes as they are.
#include "foundation/codeplug_image.h"

namespace q7 {

void repairIdentifier(CodeplugImage& image);

}  // namespace q7
