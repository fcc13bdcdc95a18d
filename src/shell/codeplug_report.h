#pragma once
// What the windows show of an image once it is opened: the model and band,
// each channel row (frequencies in 10 Hz, -1 for none; tone texts; option
// column positions and texts), the two information lines, every option
// control by its name, the two-tone records and the ten volume steps. The
// editor must have shown the image (CodeplugEditor::showImage) first.
#include "shell/app_state.h"
#include "shell/codeplug_editor.h"
#include "shell/report_value.h"

namespace q7 {

ReportValue codeplugReport(const CodeplugEditor& editor, const AppState& state);

}  // namespace q7
