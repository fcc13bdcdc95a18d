#pragma once
// The OK and Cancel buttons of the channel dialogs, captioned in the
// interface language; Cancel rejects the dialog, OK is the caller's.
#include <QDialogButtonBox>

#include "foundation/app_state.h"

namespace q7 {

QDialogButtonBox* okCancelButtons(QDialog* dialog, const AppState& state);

}  // namespace q7
