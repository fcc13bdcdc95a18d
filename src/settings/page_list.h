#pragma once
// The pages of the channel window's option model, each adding its controls
// and load steps. A new page declares its registration here and is listed in
// page_list.cpp.
#include <span>

#include "settings/option_pages.h"

namespace q7 {

void addCommonPage(OptionPages& pages);       // Common Set and the model information options
void addBatteryPage(OptionPages& pages);      // Battery
void addKeyPage(OptionPages& pages);          // Key Assign
void addVoxPage(OptionPages& pages);          // Vox
void addScanPage(OptionPages& pages);         // Scan
void addDtmfPage(OptionPages& pages);         // DTMF
void addTwoTonePage(OptionPages& pages);      // two-tone settings and grids
void addEmbeddedMsgPage(OptionPages& pages);  // Embedded Msg: information lines, radio ID

// Every page, in tab order.
std::span<const PageRegistration> allPages();

}  // namespace q7
