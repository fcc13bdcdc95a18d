#pragma once
// What the windows show of an image once it is opened: the model and band,
// each channel row (frequencies in 10 Hz, -1 for none; tone texts; option
// column positions and texts), the two information lines, every option
// control by its name, the two-tone records and the ten volume steps. The
// editor must have shown the image (CodeplugEditor::showImage) first.
#include <array>
#include <set>
#include <string>

#include "foundation/app_state.h"
#include "settings/two_tone.h"
#include "settings/two_tone_page.h"
#include "shell/codeplug_editor.h"
#include "shell/report_value.h"

namespace q7 {

inline constexpr const char* kInfoLineArray = "txtInfo";
// The names of the two-tone record fields, by two-tone grid column.
inline constexpr std::array<const char*, kTwoToneColumns> kTwoToneFields = {
    "", "toneAFre", "toneATime", "toneBFre", "toneBTime", "interval"};

// Controls that have a section of their own: the information lines and the
// two-tone grid cells.
std::set<std::string> controlsReportedElsewhere();

ReportValue codeplugReport(const CodeplugEditor& editor, const AppState& state);

}  // namespace q7
