#pragma once
// Key Assign (fraSysSet2): the functions of the side keys SK1 and SK2 for a
// short and a long press, and how long a press must be held to count as long.
#include "settings/option_pages.h"

namespace q7 {

// The write sequence's commit of the four key lists: each list's handler
// stores the function code of its selection again. A list without a
// selection (pages never loaded) leaves its byte as it is.
void commitKeyLists(OptionPages& pages);

}  // namespace q7
